-- Ski club and ski school. Lesson codes: E0022 lesson kind, E0023 intake kind,
-- E0024 detail kind; seasons are two-character codes of E0004. The U_* columns
-- record who saved a row last, from where and when (yyyymmddhhmiss).

-- Ski club trainees, one per season and lecture number.
CREATE TABLE EC010MS (
  SEASON_GUBUN       VARCHAR(2) NOT NULL,
  LECTURE_NO         NUMERIC(8) NOT NULL,
  MEMBER_NO          VARCHAR(10),
  TRAINER_NAME       VARCHAR(30) NOT NULL,
  ENTER_DATE         VARCHAR(8),
  SEX                VARCHAR(2),
  AGE                NUMERIC(3),
  ID_NO              VARCHAR(13),
  ZIP_CODE           VARCHAR(6),
  ADDR1              VARCHAR(100),
  ADDR2              VARCHAR(100),
  JOB                VARCHAR(40),
  TEL_NO             VARCHAR(20),
  MOBILE_NO          VARCHAR(20),
  EMAIL              VARCHAR(40),
  PLAYER_EXP         VARCHAR(80),
  LECTURE_ITEM_GUBUN VARCHAR(2),
  LECTURE_REC_GUBUN  VARCHAR(2),
  WANT_SKILL_GUBUN   VARCHAR(2),
  USE_SKI_PLACE      VARCHAR(40),
  TRAINER_ABILITY    VARCHAR(80),
  ENTER_MOTIVE       VARCHAR(80),
  LECTURER_EMP_NO    VARCHAR(10),
  LECTURER_NAME      VARCHAR(30),
  SPE_REMARK         VARCHAR(80),
  REMARK             VARCHAR(80),
  U_EMP_NO           VARCHAR(10),
  U_IP               VARCHAR(40),
  U_DATE             VARCHAR(14),
  PRIMARY KEY (SEASON_GUBUN, LECTURE_NO)
);

-- Ski school bookings (접수), made elsewhere in the suite.
CREATE TABLE EC020MS (
  SEASON_GUBUN VARCHAR(2) NOT NULL,
  RECEIPT_NO   VARCHAR(10) NOT NULL,
  ENTER_DATE   VARCHAR(8),
  RECEIPT_NAME VARCHAR(30),
  TEL_NO       VARCHAR(20),
  REMARK       VARCHAR(200),
  PRIMARY KEY (SEASON_GUBUN, RECEIPT_NO)
);

-- The trainees of a booking, one row each.
CREATE TABLE EC020DT (
  SEASON_GUBUN         VARCHAR(2) NOT NULL,
  RECEIPT_NO           VARCHAR(10) NOT NULL,
  RECEIPT_SEQ          NUMERIC(4) NOT NULL,
  MEMBER_NO            VARCHAR(10),
  TRAINER_NAME         VARCHAR(30),
  SEX                  VARCHAR(2),
  AGE                  NUMERIC(3),
  ID_NO                VARCHAR(13),
  ZIP_CODE             VARCHAR(6),
  ADDR1                VARCHAR(100),
  ADDR2                VARCHAR(100),
  TEL_NO               VARCHAR(20),
  MOBILE_NO            VARCHAR(20),
  LECTURE_ITEM_GUBUN   VARCHAR(2),
  LECTURE_REC_GUBUN    VARCHAR(2),
  LECTURE_DETAIL_GUBUN VARCHAR(2),
  TRAIN_TEST           VARCHAR(500),
  LECTURER_VIEW        VARCHAR(500),
  NEXT_TRAIN_CONTENT   VARCHAR(500),
  LECTURER_EMP_NO      VARCHAR(10),
  LECTURER_NAME        VARCHAR(30),
  SPE_REMARK           VARCHAR(500),
  REMARK               VARCHAR(500),
  U_EMP_NO             VARCHAR(10),
  U_IP                 VARCHAR(40),
  U_DATE               VARCHAR(14),
  PRIMARY KEY (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ)
);

-- Staff lesson slots of a day and how many places each takes.
CREATE TABLE EC040MS (
  YAEYAK_DATE          VARCHAR(8) NOT NULL,
  LECTURE_ITEM_GUBUN   VARCHAR(2) NOT NULL,
  LECTURE_REC_GUBUN    VARCHAR(2) NOT NULL,
  LECTURE_DETAIL_GUBUN VARCHAR(2) NOT NULL,
  YAEYAK_ABILITY_CNT   NUMERIC(4) DEFAULT 0 NOT NULL,
  REMARK               VARCHAR(500),
  U_EMP_NO             VARCHAR(10),
  U_IP                 VARCHAR(40),
  U_DATE               VARCHAR(14),
  PRIMARY KEY (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN)
);

-- Staff reservations: one per day, slot and employee (the key enforces it).
CREATE TABLE EC050MS (
  YAEYAK_DATE          VARCHAR(8) NOT NULL,
  LECTURE_ITEM_GUBUN   VARCHAR(2) NOT NULL,
  LECTURE_REC_GUBUN    VARCHAR(2) NOT NULL,
  LECTURE_DETAIL_GUBUN VARCHAR(2) NOT NULL,
  EMP_NO               VARCHAR(10) NOT NULL,
  EMP_NAME             VARCHAR(30),
  YAEYAK_CNT           NUMERIC(4) DEFAULT 0 NOT NULL,
  REMARK               VARCHAR(500),
  U_EMP_NO             VARCHAR(10),
  U_IP                 VARCHAR(40),
  U_DATE               VARCHAR(14),
  PRIMARY KEY (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO)
);
CREATE INDEX EC050MS_EMP ON EC050MS (EMP_NO, YAEYAK_DATE);
