-- Equipment rental and storage. Dates are yyyymmdd texts, times HHMI texts.
-- Every row keeps who wrote it last (employee number, workstation address, time).

-- Run state of every course and lift per operating day.
CREATE TABLE EB010MS (
  RUN_DATE          VARCHAR(8)  NOT NULL,
  FAC_GUBUN         VARCHAR(20) NOT NULL,
  FAC_DETAIL_GUBUN  VARCHAR(20) NOT NULL,
  RUN_YN            VARCHAR(20),
  INPUT_EMP_NO      VARCHAR(20),
  INPUT_IP          VARCHAR(40),
  INPUT_DATE        VARCHAR(19),
  U_EMP_NO          VARCHAR(20),
  U_IP              VARCHAR(40),
  U_DATE            VARCHAR(19),
  PRIMARY KEY (RUN_DATE, FAC_GUBUN, FAC_DETAIL_GUBUN)
);

-- Rental pieces. SVRL_RENT_YN / SVRL_FROM_DATE point at the multi-day rental
-- row (its rental date) that has the piece out.
CREATE TABLE EB020MS (
  AREA_GUBUN        VARCHAR(20) NOT NULL,
  EQUIP_GUBUN       VARCHAR(20) NOT NULL,
  EQUIP_NO          VARCHAR(5)  NOT NULL,
  EQUIP_SIZE_GUBUN  VARCHAR(20),
  EQUIP_RENT_YN     VARCHAR(1)  DEFAULT 'Y' NOT NULL,
  BUY_DATE          VARCHAR(8),
  REMARK            VARCHAR(100),
  SVRL_RENT_YN      VARCHAR(1)  DEFAULT 'N' NOT NULL,
  SVRL_FROM_DATE    VARCHAR(8),
  INPUT_EMP_NO      VARCHAR(20),
  INPUT_IP          VARCHAR(40),
  INPUT_DATE        VARCHAR(19),
  U_EMP_NO          VARCHAR(20),
  U_IP              VARCHAR(40),
  U_DATE            VARCHAR(19),
  PRIMARY KEY (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO)
);
-- The free list reads one area, kind and size in number order.
CREATE INDEX EB020MS_FREE ON EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, SVRL_RENT_YN, EQUIP_NO);

-- Pieces chosen at a desk and not yet saved. The key makes a second hold of
-- the same piece for the same day fail, whichever desk comes second.
CREATE TABLE EB020TM (
  RENT_DATE         VARCHAR(8)  NOT NULL,
  AREA_GUBUN        VARCHAR(20) NOT NULL,
  EQUIP_GUBUN       VARCHAR(20) NOT NULL,
  EQUIP_NO          VARCHAR(5)  NOT NULL,
  U_EMP_NO          VARCHAR(20),
  U_IP              VARCHAR(40),
  U_DATE            VARCHAR(19),
  PRIMARY KEY (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO)
);

-- Base stock of rental boots per size and area.
CREATE TABLE EB030MS (
  AREA_GUBUN        VARCHAR(20) NOT NULL,
  BOOTS_SIZE_GUBUN  VARCHAR(20) NOT NULL,
  STOCK_QTY         NUMERIC(4)  DEFAULT 0 NOT NULL,
  INPUT_EMP_NO      VARCHAR(20),
  INPUT_IP          VARCHAR(40),
  INPUT_DATE        VARCHAR(19),
  U_EMP_NO          VARCHAR(20),
  U_IP              VARCHAR(40),
  U_DATE            VARCHAR(19),
  PRIMARY KEY (AREA_GUBUN, BOOTS_SIZE_GUBUN)
);

-- Rental header: one per rental number within a date and an area.
CREATE TABLE EB040MS (
  RENT_DATE         VARCHAR(8)  NOT NULL,
  AREA_GUBUN        VARCHAR(20) NOT NULL,
  RENT_NO           NUMERIC(10) NOT NULL,
  DEAL_NAME         VARCHAR(30),
  KEEP_KIND_GUBUN   VARCHAR(20),
  KEEP_BOX_NO       VARCHAR(5),
  INPUT_EMP_NO      VARCHAR(20),
  INPUT_IP          VARCHAR(40),
  INPUT_DATE        VARCHAR(19),
  U_EMP_NO          VARCHAR(20),
  U_IP              VARCHAR(40),
  U_DATE            VARCHAR(19),
  PRIMARY KEY (RENT_DATE, AREA_GUBUN, RENT_NO)
);

-- Rental rows: one renter and one piece each. RENT_TIME is when the row was
-- first saved (HHMI), for the hourly report.
CREATE TABLE EB040DT (
  RENT_DATE            VARCHAR(8)  NOT NULL,
  AREA_GUBUN           VARCHAR(20) NOT NULL,
  RENT_NO              NUMERIC(10) NOT NULL,
  RENT_SEQ             NUMERIC(4)  NOT NULL,
  TICKET_KIND          VARCHAR(20),
  RENT_STAT            VARCHAR(20),
  EQUIP_GUBUN          VARCHAR(20),
  EQUIP_NO             VARCHAR(5),
  RENT_NAME            VARCHAR(30),
  TEL_NO               VARCHAR(20),
  HEIGHT               NUMERIC(3),
  WEIGHT               NUMERIC(3),
  SHOES_SIZE           VARCHAR(20),
  BINDING              NUMERIC(4,1),
  ZIP_CODE             VARCHAR(6),
  ADDR1                VARCHAR(200),
  ADDR2                VARCHAR(100),
  SVRL_RENT_FROM_DATE  VARCHAR(8),
  SVRL_RENT_TO_DATE    VARCHAR(8),
  REMARK               VARCHAR(100),
  RENT_TIME            VARCHAR(4),
  INPUT_EMP_NO         VARCHAR(20),
  INPUT_IP             VARCHAR(40),
  INPUT_DATE           VARCHAR(19),
  U_EMP_NO             VARCHAR(20),
  U_IP                 VARCHAR(40),
  U_DATE               VARCHAR(19),
  PRIMARY KEY (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ)
);
-- The free list and the single-piece check look for the day-rental rows of a
-- date, area and kind; the multi-day lookups by piece and date.
CREATE INDEX EB040DT_EQUIP ON EB040DT (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, RENT_STAT);
CREATE INDEX EB040DT_NAME ON EB040DT (RENT_DATE, AREA_GUBUN, RENT_NAME);

-- Guests' own equipment kept per ski season and area.
CREATE TABLE EB050MS (
  SEASON_GUBUN      VARCHAR(2)  NOT NULL,
  AREA_GUBUN        VARCHAR(20) NOT NULL,
  KEEP_NO           NUMERIC(10) NOT NULL,
  KEEP_STAT         VARCHAR(20),
  IPGO_DATE         VARCHAR(8),
  CHULGO_DATE       VARCHAR(8),
  GUEST_NO          VARCHAR(10),
  GUEST_NAME        VARCHAR(30),
  KEEP_GUBUN        VARCHAR(20),
  EQUIP_GUBUN       VARCHAR(20),
  EQUIP_NAME_GUBUN  VARCHAR(20),
  EQUIP_NAME_ETC    VARCHAR(40),
  NATIVE_NO         VARCHAR(40),
  POELS_YN          VARCHAR(1),
  POELS_NAME        VARCHAR(40),
  MEMBER_NO         VARCHAR(10),
  KEEP_NAME         VARCHAR(30),
  ZIP_CODE          VARCHAR(6),
  ADDR1             VARCHAR(200),
  ADDR2             VARCHAR(100),
  TEL_NO            VARCHAR(20),
  MOBILE_NO         VARCHAR(20),
  KEEP_BOX_NO       VARCHAR(10),
  REMARK            VARCHAR(100),
  CONF_QUESTION     VARCHAR(80),
  CONF_ANSWER       VARCHAR(80),
  INPUT_EMP_NO      VARCHAR(20),
  INPUT_IP          VARCHAR(40),
  INPUT_DATE        VARCHAR(19),
  U_EMP_NO          VARCHAR(20),
  U_IP              VARCHAR(40),
  U_DATE            VARCHAR(19),
  PRIMARY KEY (SEASON_GUBUN, AREA_GUBUN, KEEP_NO)
);
-- Items still kept whose release date has passed.
CREATE INDEX EB050MS_OPEN ON EB050MS (AREA_GUBUN, KEEP_STAT, CHULGO_DATE);

-- Last number given per counter (new rental numbers per date and area, new
-- equipment numbers per area and kind, storage numbers per season and area).
-- A procedure that needs a number updates its counter row first, so a second
-- desk waits for the first one's commit instead of reading the same maximum.
CREATE TABLE EB000MS (
  NUM_KIND   VARCHAR(10) NOT NULL,
  NUM_KEY1   VARCHAR(20) NOT NULL,
  NUM_KEY2   VARCHAR(20) NOT NULL,
  LAST_NO    NUMERIC(10) DEFAULT 0 NOT NULL,
  PRIMARY KEY (NUM_KIND, NUM_KEY1, NUM_KEY2)
);
