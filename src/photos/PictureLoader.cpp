#include "photos/PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QScopeGuard>
#include <QtEndian>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <exception>

// jpeglib.h uses FILE and size_t without including their headers.
#include <jpeglib.h>

namespace {

// Qt's readers refuse to allocate more than this; it is the pixel cap at four
// bytes a pixel, rounded up.
constexpr int AllocationLimitMb = 1024;

QImage fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return QImage();
}

QString sizeText(const QSize& size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// The decoders stop at the nearest size they can make cheaply; the last step
// to the box is a smooth scale of an already small image. The box comes from
// the source's size: the decoded one is rounded up on each side.
QImage shrinkToFit(const QImage& image, const QSize& source, const QSize& target)
{
    const QSize fitted = PictureLoader::fittedSize(source, target);
    if (image.isNull() || image.size() == fitted)
        return image;
    return image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool isJpeg(const uchar* data, qint64 size)
{
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

// Qt's PNG reader leaves libpng's error handler in place, which prints to
// stderr when a file ends early, and the file fails to load anyway. Walking
// the chunk lengths up to the end chunk finds such a file without a word.
bool isCutPng(const uchar* data, qint64 size)
{
    static constexpr uchar signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (size < 8 || std::memcmp(data, signature, sizeof signature) != 0)
        return false;
    // Each chunk: length, type, data, checksum.
    qint64 pos = 8;
    while (pos + 12 <= size) {
        if (std::memcmp(data + pos + 4, "IEND", 4) == 0)
            return false;
        pos += 12 + qint64(qFromBigEndian<quint32>(data + pos));
    }
    return true;
}

// libjpeg's default error handler calls exit(); this one jumps back to the
// step that called the library, with the library's message.
struct JpegErrors {
    jpeg_error_mgr pub; // first: libjpeg hands it back as cinfo->err
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Everything one decode needs, and plain data only.
struct JpegDecoder {
    jpeg_decompress_struct cinfo;
    JpegErrors errors;
    jpeg_progress_mgr progress;
};

void failJpeg(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings of a damaged file ("premature end", "corrupt data") are not worth a
// line on stderr: the decoder goes on and what it can decode is shown.
void ignoreMessage(j_common_ptr, int) {}
void ignoreOutput(j_common_ptr) {}

void limitScans(j_common_ptr cinfo)
{
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number <= PictureLoader::MaxScans)
        return;
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    std::snprintf(errors->message, sizeof errors->message, "more than %d scans", PictureLoader::MaxScans);
    std::longjmp(errors->jump, 1);
}

// Each step below calls libjpeg under its own setjmp and keeps nothing but
// plain data in its frame, so the longjmp of a failing call skips no
// destructor. The caller owns the decoder and destroys it in any case.

bool readJpegHeader(JpegDecoder& d, const uchar* data, qint64 size)
{
    d.cinfo.err = jpeg_std_error(&d.errors.pub);
    d.errors.pub.error_exit = failJpeg;
    d.errors.pub.emit_message = ignoreMessage;
    d.errors.pub.output_message = ignoreOutput;
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.cinfo);
    d.cinfo.mem->max_memory_to_use = PictureLoader::MaxDecoderMemory;
    d.progress.progress_monitor = limitScans;
    d.cinfo.progress = &d.progress;
    jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.cinfo, TRUE);
    return true;
}

bool computeOutputSize(JpegDecoder& d)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_calc_output_dimensions(&d.cinfo);
    return true;
}

bool decodeRows(JpegDecoder& d, uchar* bits, qsizetype bytesPerLine)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.cinfo);
    JSAMPROW rows[16];
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        const JDIMENSION first = d.cinfo.output_scanline;
        const JDIMENSION count = qMin<JDIMENSION>(16, d.cinfo.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = bits + qsizetype(first + i) * bytesPerLine;
        jpeg_read_scanlines(&d.cinfo, rows, count);
    }
    // The rest of the file (markers after the last scan) is of no use here,
    // so there is no jpeg_finish_decompress.
    return true;
}

// Files with several scans keep all coefficients of the picture until the last
// scan; this is their size, as libjpeg's coefficient buffer allocates it.
qint64 coefficientBytes(const jpeg_decompress_struct& c)
{
    const auto roundUp = [](qint64 value, qint64 step) { return (value + step - 1) / step * step; };
    qint64 total = 0;
    for (int i = 0; i < c.num_components; ++i) {
        const jpeg_component_info& comp = c.comp_info[i];
        total += roundUp(comp.width_in_blocks, comp.h_samp_factor) *
                 roundUp(comp.height_in_blocks, comp.v_samp_factor) * qint64(DCTSIZE2 * sizeof(JCOEF));
    }
    return total;
}

// libjpeg cannot convert CMYK to RGB, so such files come out as CMYK in the
// same four bytes a pixel and are converted here. Photoshop, which writes
// nearly all of them, stores the channels inverted.
void convertInvertedCmyk(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 4) {
            const int k = pixel[3];
            const QRgb rgb = qRgb(pixel[0] * k / 255, pixel[1] * k / 255, pixel[2] * k / 255);
            *reinterpret_cast<QRgb*>(pixel) = rgb;
        }
    }
}

QImage loadJpeg(const uchar* data, qint64 size, const QSize& target, QString* error)
{
    JpegDecoder d{};
    const auto destroy = qScopeGuard([&d] { jpeg_destroy_decompress(&d.cinfo); });
    if (!readJpegHeader(d, data, size))
        return fail(error, QString::fromLocal8Bit(d.errors.message));

    const QSize source(int(d.cinfo.image_width), int(d.cinfo.image_height));
    if (!PictureLoader::withinCaps(source))
        return fail(error, QStringLiteral("picture too large: %1").arg(sizeText(source)));
    const bool severalScans = d.cinfo.progressive_mode || d.cinfo.comps_in_scan < d.cinfo.num_components;
    if (severalScans && coefficientBytes(d.cinfo) > PictureLoader::MaxDecoderMemory)
        return fail(error, QStringLiteral("picture needs too much memory to decode: %1").arg(sizeText(source)));

    const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
    QImage::Format format = QImage::Format_RGB32;
    if (cmyk) {
        d.cinfo.out_color_space = JCS_CMYK;
    } else {
#if defined(JCS_EXTENSIONS)
        // Format_RGB32 is one 0xffRRGGBB word a pixel: B G R X in memory on
        // little-endian machines, X R G B on big-endian ones.
        d.cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
#else
        d.cinfo.out_color_space = JCS_RGB;
        format = QImage::Format_RGB888;
#endif
    }
    d.cinfo.scale_num = unsigned(PictureLoader::jpegScaleEighths(source, target));
    d.cinfo.scale_denom = 8;
    if (!computeOutputSize(d))
        return fail(error, QString::fromLocal8Bit(d.errors.message));

    QImage image(int(d.cinfo.output_width), int(d.cinfo.output_height), format);
    if (image.isNull())
        return fail(error, QStringLiteral("not enough memory for %1").arg(sizeText(image.size())));
    if (!decodeRows(d, image.bits(), image.bytesPerLine()))
        return fail(error, QString::fromLocal8Bit(d.errors.message));
    if (cmyk)
        convertInvertedCmyk(image);
    return shrinkToFit(image, source, target);
}

QImage loadWithQt(const QByteArray& bytes, const QSize& target, QString* error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(AllocationLimitMb);
    const QSize claimed = reader.size();
    if (claimed.isValid() && !PictureLoader::withinCaps(claimed))
        return fail(error, QStringLiteral("picture too large: %1").arg(sizeText(claimed)));
    if (claimed.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        const QSize fitted = PictureLoader::fittedSize(claimed, target);
        if (fitted != claimed)
            reader.setScaledSize(fitted);
    }
    const QImage image = reader.read();
    if (image.isNull())
        return fail(error, reader.errorString());
    return shrinkToFit(image, claimed.isValid() ? claimed : image.size(), target);
}

} // namespace

QSize PictureLoader::fittedSize(const QSize& source, const QSize& target)
{
    if (!target.isValid() || (source.width() <= target.width() && source.height() <= target.height()))
        return source;
    const QSize fitted = source.scaled(target, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

QSize PictureLoader::jpegScaledSize(const QSize& source, int eighths)
{
    const auto scaled = [eighths](int side) { return int((qint64(side) * eighths + 7) / 8); };
    return QSize(scaled(source.width()), scaled(source.height()));
}

int PictureLoader::jpegScaleEighths(const QSize& source, const QSize& target)
{
    const QSize fitted = fittedSize(source, target);
    for (int eighths = 1; eighths < 8; eighths *= 2) {
        const QSize decoded = jpegScaledSize(source, eighths);
        if (decoded.width() >= fitted.width() && decoded.height() >= fitted.height())
            return eighths;
    }
    return 8;
}

bool PictureLoader::withinCaps(const QSize& size)
{
    return qint64(size.width()) * size.height() <= MaxPixels;
}

QImage PictureLoader::load(const QString& path, const QSize& target, QString* error)
{
    try {
        // Folders, pipes and devices are no pictures; opening a pipe would even wait.
        const QFileInfo info(path);
        if (!info.isFile())
            return fail(error, info.exists() ? QStringLiteral("not a file") : QStringLiteral("no such file"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(error, file.errorString());
        qint64 size = file.size();
        if (size <= 0)
            return fail(error, QStringLiteral("empty file"));
        // Mapping spares copying a file of many megabytes before decoding it;
        // reading is the way where the file system cannot map.
        QByteArray bytes;
        const uchar* data = file.map(0, size);
        if (!data) {
            bytes = file.readAll();
            data = reinterpret_cast<const uchar*>(bytes.constData());
            size = bytes.size();
        }
        if (isJpeg(data, size))
            return loadJpeg(data, size, target, error);
        if (isCutPng(data, size))
            return fail(error, QStringLiteral("PNG file cut short"));
        return loadWithQt(QByteArray::fromRawData(reinterpret_cast<const char*>(data), size), target, error);
    } catch (const std::exception& e) {
        // Qt reports running out of memory as std::bad_alloc.
        return fail(error, QString::fromLocal8Bit(e.what()));
    }
}
