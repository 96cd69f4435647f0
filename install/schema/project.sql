-- Tables of project.mdb. Declared types carry the Access column types:
--   TEXT(n)     text of at most n characters (the length is enforced on write)
--   LONGTEXT    memo
--   INTEGER     long (32-bit)
--   SINGLE      single-precision number
--   LONGBINARY  long binary (RTF chapters, documents, attachments)
-- No table declares a key: rows are identified by rowid, and uniqueness is
-- tested by the queries that write them. Where a comment gives column
-- positions, other code copies the columns by position, so the order below
-- is part of the data format. The master-data tables that temp.mdb shares
-- are in exchange.sql.

------------------------------------------------------------------------------
-- Users and master data
------------------------------------------------------------------------------

-- Login users; JS is the role: 0 guide management, 1 applicant unit, 2 fund office.
CREATE TABLE CORVANE_USERS (
    YHM  TEXT(50) COLLATE NOCASE,
    YHMM TEXT(50) COLLATE NOCASE,
    JS   INTEGER
);

-- Research units; positions 0-20 travel by position in unit files.
-- Positions 15-20 are reserve columns that no screen shows or edits.
CREATE TABLE CORVANE_UNIT (
    DWDM   TEXT(50)  COLLATE NOCASE,  -- 0 unit code
    DWMC   TEXT(255) COLLATE NOCASE,  -- 1 unit name
    SSBM   TEXT(255) COLLATE NOCASE,  -- 2 department
    DWJC   TEXT(255) COLLATE NOCASE,  -- 3 confidential mail name
    KYGLBM TEXT(255) COLLATE NOCASE,  -- 4 research office
    YZBM   TEXT(6)   COLLATE NOCASE,  -- 5 postcode
    TXDZ   TEXT(255) COLLATE NOCASE,  -- 6 address
    SZS    TEXT(50)  COLLATE NOCASE,  -- 7 province
    DWSZCS TEXT(50)  COLLATE NOCASE,  -- 8 city
    LXR    TEXT(50)  COLLATE NOCASE,  -- 9 contact
    DH     TEXT(20)  COLLATE NOCASE,  -- 10 telephone
    SJ     TEXT(11)  COLLATE NOCASE,  -- 11 mobile
    KHYH   TEXT(255) COLLATE NOCASE,  -- 12 bank
    KHDW   TEXT(255) COLLATE NOCASE,  -- 13 account holder
    ZH     TEXT(30)  COLLATE NOCASE,  -- 14 account number
    BY1    TEXT(255) COLLATE NOCASE,  -- 15-20 reserve
    BY2    TEXT(255) COLLATE NOCASE,
    BY3    TEXT(255) COLLATE NOCASE,
    BY4    TEXT(255) COLLATE NOCASE,
    BY5    TEXT(255) COLLATE NOCASE,
    BY6    TEXT(255) COLLATE NOCASE
);

-- Code tables of sex, degree and professional title (read only).
CREATE TABLE CORVANE_ZD_XB (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(50) COLLATE NOCASE);
CREATE TABLE CORVANE_ZD_XW (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(50) COLLATE NOCASE);
CREATE TABLE CORVANE_ZD_ZC (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(50) COLLATE NOCASE);

------------------------------------------------------------------------------
-- Annual guides
------------------------------------------------------------------------------

CREATE TABLE CORVANE_YEARFUNDGUIDE (
    JJBH      TEXT(50)  COLLATE NOCASE,
    ZNMC      TEXT(255) COLLATE NOCASE,
    FBNF      TEXT(50)  COLLATE NOCASE,
    GS        LONGBINARY,
    GNWYJQK   LONGBINARY,
    YJNR_YEAR LONGBINARY,
    XTFW      LONGBINARY
);

CREATE TABLE CORVANE_YEAR_STUDYSUBJECT (
    ZTBH TEXT(50)  COLLATE NOCASE,
    JJBH TEXT(50)  COLLATE NOCASE,
    FBNF TEXT(50)  COLLATE NOCASE,
    ZTMC TEXT(255) COLLATE NOCASE,
    YJMD LONGBINARY
);

-- One row per research direction and directed unit; guide bundles copy the
-- columns by position.
CREATE TABLE CORVANE_YEAR_STUDYASPECT (
    YJFXBH   TEXT(50)  COLLATE NOCASE,
    JJBH     TEXT(50)  COLLATE NOCASE,
    FBNF     TEXT(50)  COLLATE NOCASE,
    ZTBH     TEXT(50)  COLLATE NOCASE,
    DWDM     TEXT(50)  COLLATE NOCASE,
    YJFXMC   TEXT(255) COLLATE NOCASE,
    SFZDYJFX TEXT(50)  COLLATE NOCASE,
    BZ       TEXT(50)  COLLATE NOCASE
);

------------------------------------------------------------------------------
-- Five-year guides
------------------------------------------------------------------------------

CREATE TABLE CORVANE_FIVEFUNDGUIDE (
    JJBH      TEXT(50)  COLLATE NOCASE,
    FBNF      TEXT(50)  COLLATE NOCASE,
    ZNMC      TEXT(255) COLLATE NOCASE,
    GS        LONGBINARY,
    GNWYJQK   LONGBINARY,
    ZMB       LONGBINARY,
    YXGJHZNGX LONGBINARY,
    XYFX      LONGBINARY,
    XTFW      LONGBINARY
);

CREATE TABLE CORVANE_FIVE_STUDYSUBJECT (
    ZTBH TEXT(50)  COLLATE NOCASE,
    JJBH TEXT(50)  COLLATE NOCASE,
    FBNF TEXT(50)  COLLATE NOCASE,
    ZTMC TEXT(255) COLLATE NOCASE,
    YJMD LONGBINARY
);

-- Same layout as the annual directions; bundles copy the columns by position.
CREATE TABLE CORVANE_FIVE_STUDYASPECT (
    YJFXBH   TEXT(50)  COLLATE NOCASE,
    JJBH     TEXT(50)  COLLATE NOCASE,
    FBNF     TEXT(50)  COLLATE NOCASE,
    ZTBH     TEXT(50)  COLLATE NOCASE,
    DWDM     TEXT(50)  COLLATE NOCASE,
    YJFXMC   TEXT(255) COLLATE NOCASE,
    SFZDYJFX TEXT(50)  COLLATE NOCASE,
    BZ       TEXT(50)  COLLATE NOCASE
);

------------------------------------------------------------------------------
-- Project applications and their documents
------------------------------------------------------------------------------

-- One row per project application. Scalars are text (amounts in 万元 as
-- typed); chapters and the stored document are long binary.
CREATE TABLE CORVANE_ITEMAPPINFO (
    XMBH       TEXT(50)  COLLATE NOCASE,
    FIVEYEAR   TEXT(50)  COLLATE NOCASE,
    FIRSTAPPR  TEXT(50)  COLLATE NOCASE,
    XMMC       TEXT(255) COLLATE NOCASE,
    XMLB       TEXT(50)  COLLATE NOCASE,
    SQZNDM     TEXT(11)  COLLATE NOCASE,
    JJBH       TEXT(50)  COLLATE NOCASE,
    DWDM       TEXT(4)   COLLATE NOCASE,
    NF         TEXT(4)   COLLATE NOCASE,
    ZTC        TEXT(255) COLLATE NOCASE,
    MJ         TEXT(50)  COLLATE NOCASE,
    SQRXM      TEXT(14)  COLLATE NOCASE,
    GZDW       TEXT(255) COLLATE NOCASE,
    DXDZ       TEXT(255) COLLATE NOCASE,
    YZBM       TEXT(6)   COLLATE NOCASE,
    DH         TEXT(20)  COLLATE NOCASE,
    SQRQ       TEXT(50)  COLLATE NOCASE,
    XMQSRQ     TEXT(50)  COLLATE NOCASE,
    XMZZRQ     TEXT(50)  COLLATE NOCASE,
    SQJE       TEXT(50)  COLLATE NOCASE,
    SQRXB      TEXT(50)  COLLATE NOCASE,
    SQRNL      TEXT(18)  COLLATE NOCASE,
    XW         TEXT(50)  COLLATE NOCASE,
    ZC         TEXT(50)  COLLATE NOCASE,
    ZYTC       TEXT(255) COLLATE NOCASE,
    LSGX       TEXT(255) COLLATE NOCASE,
    HZDW       TEXT(255) COLLATE NOCASE,
    XMZRS      TEXT(50)  COLLATE NOCASE,
    GJZC       TEXT(6)   COLLATE NOCASE,
    ZJZC       TEXT(6)   COLLATE NOCASE,
    CJZC       TEXT(6)   COLLATE NOCASE,
    BSHRS      TEXT(6)   COLLATE NOCASE,
    BSSRS      TEXT(6)   COLLATE NOCASE,
    SSSRS      TEXT(6)   COLLATE NOCASE,
    GFBGNUM    TEXT(50)  COLLATE NOCASE,
    ZJF        TEXT(50)  COLLATE NOCASE,
    SJF        TEXT(7)   COLLATE NOCASE,
    SJF_JSGJ   LONGBINARY,
    CLF        TEXT(7)   COLLATE NOCASE,
    CLF_JSGJ   LONGBINARY,
    WXF        TEXT(7)   COLLATE NOCASE,
    WXF_JSGJ   LONGBINARY,
    ZYF        TEXT(7)   COLLATE NOCASE,
    ZYF_JSGJ   LONGBINARY,
    SYF        TEXT(7)   COLLATE NOCASE,
    SYF_JSGJ   LONGBINARY,
    GDZCF      TEXT(7)   COLLATE NOCASE,
    GDZCF_JSGJ LONGBINARY,
    GZF        TEXT(7)   COLLATE NOCASE,
    GZF_JSGJ   LONGBINARY,
    GLF        TEXT(7)   COLLATE NOCASE,
    GLF_JSGJ   LONGBINARY,
    XMJJ       LONGBINARY,
    GNYNH      LONGBINARY,
    JSXQFX     LONGBINARY,
    GNWYJQK    LONGBINARY,
    YJMBNR     LONGBINARY,
    YJFFJSLX   LONGBINARY,
    ZYCXD      LONGBINARY,
    YJJHJQJZ   LONGBINARY,
    YJCGKHZB   LONGBINARY,
    YJGZJCCJ   LONGBINARY,
    XYYJTJ     LONGBINARY,
    GZJL       LONGBINARY,
    CKWX       LONGBINARY,
    DWXSWYHYJ  LONGBINARY,
    DWSCYJ     LONGBINARY,
    TJRXM1     TEXT(50)  COLLATE NOCASE,
    ZYJSZW1    TEXT(50)  COLLATE NOCASE,
    TJRZC1     TEXT(255) COLLATE NOCASE,
    TJRDW1     TEXT(255) COLLATE NOCASE,
    TJYJ1      LONGBINARY,
    TJRXM2     TEXT(50)  COLLATE NOCASE,
    ZYJSZW2    TEXT(50)  COLLATE NOCASE,
    TJRZC2     TEXT(255) COLLATE NOCASE,
    TJRDW2     TEXT(255) COLLATE NOCASE,
    TJYJ2      LONGBINARY,
    DOCNAME    TEXT(255) COLLATE NOCASE,  -- stored application document
    DOC        LONGBINARY,
    PFJF       TEXT(7)   COLLATE NOCASE,  -- plan form: total funding (text here)
    YBJF       TEXT(7)   COLLATE NOCASE,  -- plan form: allocated funding
    ZWCXS      LONGBINARY                 -- plan form: overall completion form
);

-- Members of a project; rewritten whole on every save.
CREATE TABLE CORVANE_PROJECT_SQCY (
    ITE_XMBH TEXT(50)  COLLATE NOCASE,
    XM       TEXT(50)  COLLATE NOCASE,
    XB       TEXT(50)  COLLATE NOCASE,
    NL       TEXT(50)  COLLATE NOCASE,
    ZC       TEXT(50)  COLLATE NOCASE,
    GZDW     TEXT(255) COLLATE NOCASE,
    CJYS     TEXT(50)  COLLATE NOCASE,
    GZFG     TEXT(255) COLLATE NOCASE
);

-- Files kept with a project: name without folder, and the file's bytes.
CREATE TABLE CORVANE_GF (
    XMBH     TEXT(50)  COLLATE NOCASE,
    GFBGNAME TEXT(255) COLLATE NOCASE,
    GFBG     LONGBINARY
);
CREATE TABLE CORVANE_LW (
    XMBH   TEXT(50)  COLLATE NOCASE,
    LWNAME TEXT(255) COLLATE NOCASE,
    LW     LONGBINARY
);
CREATE TABLE CORVANE_ATTACH (
    XMBH       TEXT(50)  COLLATE NOCASE,
    ATTACHNAME TEXT(255) COLLATE NOCASE,
    ATTACH     LONGBINARY
);
CREATE TABLE CORVANE_CGHB (
    XMBH     TEXT(50)  COLLATE NOCASE,
    CGHBNAME TEXT(255) COLLATE NOCASE,
    CGHB     LONGBINARY
);

------------------------------------------------------------------------------
-- Review and approval
------------------------------------------------------------------------------

-- One row per project: letter review (experts, grades, score, opinions,
-- result), meeting review and approval (amounts in 万元 as single-precision
-- numbers), and the two approval opinions as RTF.
CREATE TABLE CORVANE_ITEMPF (
    XMBH    TEXT(50)  COLLATE NOCASE,
    ZJ1     TEXT(50)  COLLATE NOCASE,
    ZJ2     TEXT(50)  COLLATE NOCASE,
    ZJ3     TEXT(50)  COLLATE NOCASE,
    PF1     TEXT(50)  COLLATE NOCASE,
    PF2     TEXT(50)  COLLATE NOCASE,
    PF3     TEXT(50)  COLLATE NOCASE,
    FS      SINGLE,
    YJ1     TEXT(50)  COLLATE NOCASE,
    YJ2     TEXT(50)  COLLATE NOCASE,
    YJ3     TEXT(50)  COLLATE NOCASE,
    PSJG    TEXT(50)  COLLATE NOCASE,
    BZZLY   LONGTEXT  COLLATE NOCASE,
    PFJF    SINGLE,
    PFSJF   SINGLE,
    PFCLF   SINGLE,
    PFWXF   SINGLE,
    PFZYF   SINGLE,
    PFSYF   SINGLE,
    PFGDZCF SINGLE,
    PFGZF   SINGLE,
    PFGLF   SINGLE,
    ZJYJ    LONGBINARY,
    PFYJ    LONGBINARY
);

-- One row per project: the plan written by the fund office.
CREATE TABLE CORVANE_ITEMPLAN (
    XMBH    TEXT(50)  COLLATE NOCASE,
    JDYQ    TEXT(255) COLLATE NOCASE,
    ZMBYNR  LONGBINARY,
    ZWCXS   LONGBINARY,
    NDMBYNR LONGBINARY,
    NDWCXS  LONGBINARY,
    BZ      LONGBINARY
);

-- One row per project: the fund office's judging, acceptance and opinions.
CREATE TABLE CORVANE_ITEMMANAGEINFO (
    XMBH  TEXT(50)  COLLATE NOCASE,
    PSZFS TEXT(3)   COLLATE NOCASE,
    PSYJ  TEXT(50)  COLLATE NOCASE,
    PFJF  TEXT(7)   COLLATE NOCASE,
    PFZT  TEXT(255) COLLATE NOCASE,
    YSFS  TEXT(3)   COLLATE NOCASE,
    YSDJ  TEXT(50)  COLLATE NOCASE,
    YSJL  LONGBINARY,
    YSBZ  LONGBINARY,
    ZJYJ  LONGBINARY,
    PFYJ  LONGBINARY
);

-- One row per project and judging expert.
CREATE TABLE CORVANE_EXPERTJUDGE (
    XMBH TEXT(50)  COLLATE NOCASE,
    ID   TEXT(50)  COLLATE NOCASE,
    FS   TEXT(50)  COLLATE NOCASE,
    ZZYJ TEXT(255) COLLATE NOCASE
);

------------------------------------------------------------------------------
-- Follow-up
------------------------------------------------------------------------------

-- One row per project: the stage progress report.
CREATE TABLE CORVANE_ITEMPROGRESS (
    XMBH       TEXT(50)  COLLATE NOCASE,
    SJWCR      TEXT(255) COLLATE NOCASE,
    BACKUPNAME TEXT(255) COLLATE NOCASE,
    WCQKJJ     LONGBINARY,
    ATTACHNAME TEXT(255) COLLATE NOCASE,
    ATTACH     LONGBINARY,
    JCJL       LONGBINARY
);

-- One row per project: the acceptance summary. Acceptance files copy
-- positions 1-7 as long binary and 8-10 as text, so the first twelve columns
-- stand in this order.
CREATE TABLE CORVANE_ITEMCHECKACCEPT (
    XMBH       TEXT(50)  COLLATE NOCASE,  -- 0
    YJNR       LONGBINARY,                -- 1-7 report sections
    WCQK       LONGBINARY,
    ZYJZJCX    LONGBINARY,
    WTYJY      LONGBINARY,
    HXFZCGZH   LONGBINARY,
    XSWYHPJ    LONGBINARY,
    DWYSYJ     LONGBINARY,
    WCSJ       TEXT(10)  COLLATE NOCASE,  -- 8 completion date
    TBSJ       TEXT(10)  COLLATE NOCASE,  -- 9 filing date
    SJWCR      TEXT(255) COLLATE NOCASE,  -- 10 main contributors
    BACKUPNAME TEXT(255) COLLATE NOCASE,  -- 11 project name as shown
    ZBSXQK     LONGBINARY,                -- indicator text, GBK bytes + zero byte
    WCQKJJ     LONGBINARY,
    ATTACHNAME TEXT(255) COLLATE NOCASE,
    ATTACH     LONGBINARY,
    FINALSCORE TEXT(50)  COLLATE NOCASE,
    YSQK       INTEGER,                   -- grade 0-3
    YSZT       INTEGER,                   -- state 0-3
    YSJL       LONGBINARY,
    YSBZ       LONGBINARY
);

-- One row per project and plan year ("第一年度" .. "第三年度"). Plan files copy
-- positions 0-2 as text and 3-5 as long binary.
CREATE TABLE CORVANE_ITEMYEARPLAN (
    XMBH       TEXT(50)  COLLATE NOCASE,  -- 0
    NF         TEXT(50)  COLLATE NOCASE,  -- 1
    JDYQ       TEXT(255) COLLATE NOCASE,  -- 2
    NDYJMUYNR  LONGBINARY,                -- 3
    NDWCXS     LONGBINARY,                -- 4
    YBJJXGBCSM LONGBINARY,                -- 5
    NDJF       TEXT(7)   COLLATE NOCASE,
    BZ         TEXT(255) COLLATE NOCASE
);

-- Achievements of a project; rewritten whole.
CREATE TABLE CORVANE_CGHZ (
    XMBH TEXT(50)  COLLATE NOCASE,
    MC   TEXT(255) COLLATE NOCASE,
    LX   TEXT(50)  COLLATE NOCASE,
    TIME TEXT(50)  COLLATE NOCASE,
    BZ   TEXT(255) COLLATE NOCASE
);

------------------------------------------------------------------------------
-- Achievement transfer
------------------------------------------------------------------------------

-- One row per project; CHECK1-CHECK29 hold "是" or "否".
CREATE TABLE CORVANE_NEW_RESULTCHANGE (
    XMBH         TEXT(50) COLLATE NOCASE,
    XMMC         TEXT(255) COLLATE NOCASE,
    XMJF         TEXT(50) COLLATE NOCASE,
    XMZZXM       TEXT(50) COLLATE NOCASE,
    ZZGH         TEXT(50) COLLATE NOCASE,
    ZZSJ         TEXT(50) COLLATE NOCASE,
    CYDW         TEXT(255) COLLATE NOCASE,
    LHCYDW       TEXT(255) COLLATE NOCASE,
    YYZHNF       TEXT(50) COLLATE NOCASE,
    YYMC         TEXT(255) COLLATE NOCASE,
    YYBH         TEXT(50) COLLATE NOCASE,
    XHZHNF       TEXT(50) COLLATE NOCASE,
    XHMC         TEXT(255) COLLATE NOCASE,
    XHBH         TEXT(50) COLLATE NOCASE,
    MKZHNF       TEXT(50) COLLATE NOCASE,
    XMYJQJSZB    LONGBINARY,
    XMYSJSZB     LONGBINARY,
    QTMC         TEXT(255) COLLATE NOCASE,
    PZJG         TEXT(255) COLLATE NOCASE,
    XYJFX        TEXT(255) COLLATE NOCASE,
    JSYYQJ       LONGBINARY,
    XMFZRNL      TEXT(50) COLLATE NOCASE,
    XMFZRZC      TEXT(50) COLLATE NOCASE,
    ZGLDXM       TEXT(50) COLLATE NOCASE,
    ZGLDGH       TEXT(50) COLLATE NOCASE,
    ZGLDSJ       TEXT(50) COLLATE NOCASE,
    GLRYXM       TEXT(50) COLLATE NOCASE,
    GLRYGH       TEXT(50) COLLATE NOCASE,
    GLRYSJ       TEXT(50) COLLATE NOCASE,
    YTPSHYCS     TEXT(50) COLLATE NOCASE,
    LXHYSJ       TEXT(50) COLLATE NOCASE,
    XDSJ         TEXT(50) COLLATE NOCASE,
    BFSJ         TEXT(50) COLLATE NOCASE,
    BFBL         TEXT(50) COLLATE NOCASE,
    JDJCHYCS     TEXT(50) COLLATE NOCASE,
    JDJCSJ       TEXT(50) COLLATE NOCASE,
    JTJCHYCS     TEXT(50) COLLATE NOCASE,
    JTJCSJ       TEXT(50) COLLATE NOCASE,
    HXFZFXHYCS   TEXT(50) COLLATE NOCASE,
    HXFZHYSJ     TEXT(50) COLLATE NOCASE,
    YXZZPSHYCS   TEXT(50) COLLATE NOCASE,
    YXZZHYSJ     TEXT(50) COLLATE NOCASE,
    CHECK1       TEXT(50) COLLATE NOCASE,
    CHECK2       TEXT(50) COLLATE NOCASE,
    CHECK3       TEXT(50) COLLATE NOCASE,
    CHECK4       TEXT(50) COLLATE NOCASE,
    CHECK5       TEXT(50) COLLATE NOCASE,
    CHECK6       TEXT(50) COLLATE NOCASE,
    CHECK7       TEXT(50) COLLATE NOCASE,
    CHECK8       TEXT(50) COLLATE NOCASE,
    CHECK9       TEXT(50) COLLATE NOCASE,
    CHECK10      TEXT(50) COLLATE NOCASE,
    CHECK11      TEXT(50) COLLATE NOCASE,
    CHECK12      TEXT(50) COLLATE NOCASE,
    CHECK13      TEXT(50) COLLATE NOCASE,
    CHECK14      TEXT(50) COLLATE NOCASE,
    CHECK15      TEXT(50) COLLATE NOCASE,
    CHECK16      TEXT(50) COLLATE NOCASE,
    CHECK17      TEXT(50) COLLATE NOCASE,
    CHECK18      TEXT(50) COLLATE NOCASE,
    CHECK19      TEXT(50) COLLATE NOCASE,
    CHECK20      TEXT(50) COLLATE NOCASE,
    CHECK21      TEXT(50) COLLATE NOCASE,
    CHECK22      TEXT(50) COLLATE NOCASE,
    CHECK23      TEXT(50) COLLATE NOCASE,
    CHECK24      TEXT(50) COLLATE NOCASE,
    CHECK25      TEXT(50) COLLATE NOCASE,
    CHECK26      TEXT(50) COLLATE NOCASE,
    CHECK27      TEXT(50) COLLATE NOCASE,
    CHECK28      TEXT(50) COLLATE NOCASE,
    CHECK29      TEXT(50) COLLATE NOCASE
);

-- Staff and regulation rows of a project, tied by ITEM_XMBH.
CREATE TABLE CORVANE_NEW_RESULTCHANGE_JCYJ (
    ITEM_XMBH    TEXT(50) COLLATE NOCASE,
    XM           TEXT(50) COLLATE NOCASE,
    GZDW         TEXT(255) COLLATE NOCASE,
    JCYJFX       TEXT(255) COLLATE NOCASE
);
CREATE TABLE CORVANE_NEW_RESULTCHANGE_GGLL (
    ITEM_XMBH    TEXT(50) COLLATE NOCASE,
    XM           TEXT(50) COLLATE NOCASE,
    MQGW         TEXT(255) COLLATE NOCASE,
    ZYFG         TEXT(255) COLLATE NOCASE
);
CREATE TABLE CORVANE_NEW_RESULTCHANGE_YYSSGG (
    ITEM_XMBH    TEXT(50) COLLATE NOCASE,
    PX           TEXT(50) COLLATE NOCASE,
    XM           TEXT(50) COLLATE NOCASE,
    YYXMMC       TEXT(255) COLLATE NOCASE,
    YYXMBH       TEXT(50) COLLATE NOCASE,
    ZYFG         TEXT(255) COLLATE NOCASE
);
CREATE TABLE CORVANE_NEW_RESULTCHANGE_XHSSGG (
    ITEM_XMBH    TEXT(50) COLLATE NOCASE,
    PX           TEXT(50) COLLATE NOCASE,
    XM           TEXT(50) COLLATE NOCASE,
    XHXMMC       TEXT(255) COLLATE NOCASE,
    XHXMBH       TEXT(50) COLLATE NOCASE,
    ZYFG         TEXT(255) COLLATE NOCASE
);
CREATE TABLE CORVANE_NEW_RESULTCHANGE_GZZDLIST (
    ITEM_XMBH    TEXT(50) COLLATE NOCASE,
    GZZDLX       TEXT(255) COLLATE NOCASE,
    GZZDMC       TEXT(255) COLLATE NOCASE,
    FBSJ         TEXT(50) COLLATE NOCASE
);

-- Code tables of the achievement-transfer screens (read only).
CREATE TABLE CORVANE_NEW_RESULTCHANGE_GZZD (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_JJLB (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_XMLB (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_JDLB (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_ZHQD (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_YYDWXZ (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_FHZY (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_YXZHYS (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_XMYJDW (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);
CREATE TABLE CORVANE_RESULTCHANGE_XMFZRZC (CODE TEXT(50) COLLATE NOCASE, NAME TEXT(255) COLLATE NOCASE);

-- One row per unit and fund kind; every column is text as typed.
CREATE TABLE CORVANE_RESULT_UNITCHANGE (
    DWDM         TEXT(50) COLLATE NOCASE,
    DWMC         TEXT(255) COLLATE NOCASE,
    cdxmzs       TEXT(50) COLLATE NOCASE,
    zyyydwxz     TEXT(255) COLLATE NOCASE,
    zhyyfhzy     TEXT(255) COLLATE NOCASE,
    zyzhqd       TEXT(255) COLLATE NOCASE,
    cdxmzjf      TEXT(50) COLLATE NOCASE,
    cdzdxms      TEXT(50) COLLATE NOCASE,
    cdzdxmzjf    TEXT(50) COLLATE NOCASE,
    cdybxmzjf    TEXT(50) COLLATE NOCASE,
    btzjf        TEXT(50) COLLATE NOCASE,
    cdybxms      TEXT(50) COLLATE NOCASE,
    yzhyyxms     TEXT(50) COLLATE NOCASE,
    yzhxmlxjf    TEXT(50) COLLATE NOCASE,
    zhzdxms      TEXT(50) COLLATE NOCASE,
    zhzdxmzjf    TEXT(50) COLLATE NOCASE,
    zhybxms      TEXT(50) COLLATE NOCASE,
    zhybxmzjf    TEXT(50) COLLATE NOCASE,
    wdwbtxmzhs   TEXT(50) COLLATE NOCASE,
    zryy973xmzs  TEXT(50) COLLATE NOCASE,
    zryyqtxms    TEXT(50) COLLATE NOCASE,
    zrxhxms      TEXT(50) COLLATE NOCASE,
    zrjk863xms   TEXT(50) COLLATE NOCASE,
    zrjnkyxms    TEXT(50) COLLATE NOCASE,
    zcrwxms      TEXT(50) COLLATE NOCASE,
    zrdwzzyfxms  TEXT(50) COLLATE NOCASE,
    zrmkxms      TEXT(50) COLLATE NOCASE,
    zrmysyxms    TEXT(50) COLLATE NOCASE,
    ys2zhnf      TEXT(50) COLLATE NOCASE,
    zrszjslyxms  TEXT(50) COLLATE NOCASE,
    zrszhylyxms  TEXT(50) COLLATE NOCASE,
    zhzjjxy      TEXT(50) COLLATE NOCASE,
    zhyyza       TEXT(255) COLLATE NOCASE,
    yzhxmfzrzc   TEXT(255) COLLATE NOCASE,
    xpyyjfxs     TEXT(50) COLLATE NOCASE,
    pycxyjyzhxms TEXT(50) COLLATE NOCASE,
    xpykzcxxms   TEXT(50) COLLATE NOCASE,
    lyzlxms      TEXT(50) COLLATE NOCASE,
    xpyzzyy      TEXT(255) COLLATE NOCASE,
    yzhxmfzrnl   TEXT(50) COLLATE NOCASE,
    cjxmrs       TEXT(50) COLLATE NOCASE,
    zycyyzhxms   TEXT(50) COLLATE NOCASE,
    czwjsggzhxms TEXT(50) COLLATE NOCASE,
    jlzqntdxms   TEXT(50) COLLATE NOCASE,
    dwdcxms      TEXT(50) COLLATE NOCASE,
    dwzcxms      TEXT(50) COLLATE NOCASE,
    xxgtxms      TEXT(50) COLLATE NOCASE,
    gcfwzxxms    TEXT(50) COLLATE NOCASE,
    lszrzgxms    TEXT(50) COLLATE NOCASE,
    jlzcxms      TEXT(50) COLLATE NOCASE,
    yxbmxms      TEXT(50) COLLATE NOCASE,
    lxrxm        TEXT(50) COLLATE NOCASE,
    szbm         TEXT(255) COLLATE NOCASE,
    lxdh         TEXT(50) COLLATE NOCASE,
    CHECK1       TEXT(50) COLLATE NOCASE,
    CHECK2       TEXT(50) COLLATE NOCASE,
    CHECK3       TEXT(50) COLLATE NOCASE,
    CHECK4       TEXT(50) COLLATE NOCASE,
    CHECK5       TEXT(50) COLLATE NOCASE,
    CHECK6       TEXT(50) COLLATE NOCASE,
    CHECK7       TEXT(50) COLLATE NOCASE
);
