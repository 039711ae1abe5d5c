-- Rows the program needs from its first start: the dictionaries with a first
-- word each, and a few common water parameters.
INSERT INTO DIC (ID, CAT) VALUES (1, 'Категории гидробионтов');
INSERT INTO DIC (ID, CAT) VALUES (2, 'Статусы гидробионтов');
INSERT INTO DIC (ID, CAT) VALUES (4, 'Разделы фотоальбома');
INSERT INTO DIC (ID, CAT) VALUES (5, 'Прочее');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (1, 1, 'Рыбы');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (2, 2, 'В аквариуме');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (3, 4, 'Общий вид');
