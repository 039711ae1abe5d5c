#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// A line edit with its caption above it. The caption is the edit's buddy, so
// its mnemonic focuses the edit and assistive tools read the edit by it. The
// control itself carries the objectName; focus passes through to the edit.
class LabeledEdit : public QWidget {
    Q_OBJECT
public:
    explicit LabeledEdit(QWidget* parent = nullptr);
    explicit LabeledEdit(const QString& labelText, QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }
    QLineEdit* edit() const { return m_edit; }

    QString labelText() const;
    void setLabelText(const QString& text);

    QString text() const;
    int maxLength() const;
    void setMaxLength(int length);

public slots:
    void setText(const QString& text);

signals:
    void textChanged(const QString& text);

private:
    QLabel* m_label;
    QLineEdit* m_edit;
};
