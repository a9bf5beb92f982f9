-- Personnel side of the suite (read only here).

-- Personnel codes: Q043 work groups (조), Q044 duties (구분) and the like.
CREATE TABLE ZX900DT (
  GRP_NO    VARCHAR(10) NOT NULL,
  CODE_NO   VARCHAR(10) NOT NULL,
  CODE_NAME VARCHAR(60),
  SORT_SEQ  NUMERIC(5) DEFAULT 0,
  PRIMARY KEY (GRP_NO, CODE_NO)
);

-- Regular employees. Ski-school instructors work in EMP_WORK_CODE '81' and are in
-- service while EMP_STAY_CODE is '01'; EMP_POS_CODE '21' marks permanent
-- day-rate staff (상용직).
CREATE TABLE QA010MS (
  EMP_NO                 VARCHAR(10) NOT NULL PRIMARY KEY,
  EMP_K_NAME             VARCHAR(30) NOT NULL,
  EMP_E_NAME             VARCHAR(40),
  EMP_SEX_CODE           VARCHAR(1),
  EMP_WORK_CODE          VARCHAR(2),
  EMP_STAY_CODE          VARCHAR(2),
  EMP_POS_CODE           VARCHAR(2),
  EMP_WORK_GRP_CODE      VARCHAR(4),
  EMP_WORK_GRP_DUTY_CODE VARCHAR(4),
  EMP_ENTER_DATE         VARCHAR(8),
  EMP_RETIRE_DATE        VARCHAR(8)
);
CREATE INDEX QA010MS_WORK ON QA010MS (EMP_WORK_CODE, EMP_STAY_CODE);

-- Contract staff. The lookups compare the end of the contract with the server's
-- clock ("NVL(LAB_END_DATE, SYSDATE()) >= SYSDATE()"), so unlike the other dates
-- this one is a date-time column; an empty end means the contract is open.
CREATE TABLE QG010MS (
  LAB_NO         VARCHAR(10) NOT NULL PRIMARY KEY,
  LAB_K_NAME     VARCHAR(30) NOT NULL,
  LAB_SEX_CODE   VARCHAR(1),
  LAB_WORK_CODE  VARCHAR(2),
  LAB_WORK_GRP   VARCHAR(4),
  LAB_WORK_DUTY  VARCHAR(4),
  LAB_START_DATE VARCHAR(8),
  LAB_END_DATE   TIMESTAMP
);
CREATE INDEX QG010MS_WORK ON QG010MS (LAB_WORK_CODE);

-- Business places (영업장) of the resort; UPJANG_TYPE '50' are the sports places.
CREATE TABLE JA010MS (
  UPJANG_CODE VARCHAR(4) NOT NULL PRIMARY KEY,
  UPJANG_NAME VARCHAR(50) NOT NULL,
  UPJANG_TYPE VARCHAR(2) NOT NULL,
  USE_YN      VARCHAR(1) DEFAULT 'Y'
);
CREATE INDEX JA010MS_TYPE ON JA010MS (UPJANG_TYPE);
