-- Rows the program needs from its first start: the dictionaries with their
-- first words, and a few common water parameters.
--
-- Dictionary words share one identifier sequence across all kinds; within a
-- kind the words are listed by identifier, so the first word of each kind
-- keeps the lowest identifier (1, 2 and 3) and the others follow in the order
-- the lists show them.
INSERT INTO DIC (ID, CAT) VALUES (1, 'Категории гидробионтов');
INSERT INTO DIC (ID, CAT) VALUES (2, 'Статусы гидробионтов');
INSERT INTO DIC (ID, CAT) VALUES (4, 'Разделы фотоальбома');
INSERT INTO DIC (ID, CAT) VALUES (5, 'Прочее');

-- Kind 1: inhabitant categories.
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (1, 1, 'Рыбы');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (4, 1, 'Кораллы');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (5, 1, 'Беспозвоночные');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (6, 1, 'Растения');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (7, 1, 'Водоросли');

-- Kind 2: inhabitant statuses.
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (2, 2, 'В аквариуме');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (8, 2, 'В карантине');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (9, 2, 'Отдан');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (10, 2, 'Продан');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (11, 2, 'Погиб');

-- Kind 4: photo album sections.
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (3, 4, 'Общий вид');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (12, 4, 'Гидробионты');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (13, 4, 'Оборудование');
INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES (14, 4, 'Разное');

-- Water parameters, listed by identifier. In a template $$ stands for the
-- parameter's name, %% for the value and ## for the measurement's comment.
INSERT INTO p_type (ID, PARAM, "COMMENT", DEF, STEP, TEMPLATE) VALUES (1, 'pH', 'Кислотность', 7.0, 0.1, '$$ = %%');
INSERT INTO p_type (ID, PARAM, "COMMENT", DEF, STEP, TEMPLATE) VALUES (2, 'KH', 'Карбонатная жёсткость', 6.0, 0.5, '$$ = %% °dH');
INSERT INTO p_type (ID, PARAM, "COMMENT", DEF, STEP, TEMPLATE) VALUES (3, 'GH', 'Общая жёсткость', 8.0, 1.0, '$$ = %% °dH');
INSERT INTO p_type (ID, PARAM, "COMMENT", DEF, STEP, TEMPLATE) VALUES (4, 'NO2', 'Нитриты, мг/л', 0.0, 0.05, '$$ = %% мг/л');
INSERT INTO p_type (ID, PARAM, "COMMENT", DEF, STEP, TEMPLATE) VALUES (5, 'NO3', 'Нитраты, мг/л', 10.0, 5.0, '$$ = %% мг/л');
INSERT INTO p_type (ID, PARAM, "COMMENT", DEF, STEP, TEMPLATE) VALUES (6, 'Температура', 'Градусы Цельсия', 25.0, 0.5, '$$ = %% °C');
