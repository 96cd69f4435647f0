-- Master-data tables that the exports of specialty groups, laboratories and
-- experts pass through. They stand in project.mdb and, empty, in the side
-- database temp.mdb; rows are copied between the two by position, so both
-- databases are built from this one file. Types as in project.sql.

-- Specialty groups; positions 0-5 travel by position in group files.
CREATE TABLE CORVANE_SPECGROUP (
    JJBH  TEXT(7)   COLLATE NOCASE,   -- 0 fund number, "9140A" + two digits
    ZYZMC TEXT(255) COLLATE NOCASE,   -- 1 group name
    YTDW  TEXT(255) COLLATE NOCASE,   -- 2 host unit
    LXR   TEXT(50)  COLLATE NOCASE,   -- 3 contact
    DH    TEXT(20)  COLLATE NOCASE,   -- 4 telephone
    SJ    TEXT(11)  COLLATE NOCASE    -- 5 mobile
);

-- Key laboratories; positions 0-13 travel by position in laboratory files.
CREATE TABLE CORVANE_LAB (
    sysdm   TEXT(7)   COLLATE NOCASE, -- 0 laboratory code, "9140C" + two digits
    sysqc   TEXT(255) COLLATE NOCASE, -- 1 full name
    sysdwmc TEXT(255) COLLATE NOCASE, -- 2 external name
    ytdw    TEXT(255) COLLATE NOCASE, -- 3 host unit
    lxr     TEXT(50)  COLLATE NOCASE, -- 4 contact
    dh      TEXT(20)  COLLATE NOCASE, -- 5 telephone
    sj      TEXT(11)  COLLATE NOCASE, -- 6 mobile
    txdz    TEXT(255) COLLATE NOCASE, -- 7 address
    yb      TEXT(6)   COLLATE NOCASE, -- 8 postcode
    sf      TEXT(50)  COLLATE NOCASE, -- 9 province
    s       TEXT(50)  COLLATE NOCASE, -- 10 city
    khdw    TEXT(255) COLLATE NOCASE, -- 11 account holder
    khh     TEXT(255) COLLATE NOCASE, -- 12 bank
    zh      TEXT(30)  COLLATE NOCASE  -- 13 account number
);

-- Experts; positions 0-11 are read by position in lists, files and reports.
CREATE TABLE CORVANE_EXPERTINFO (
    SSJJLB    TEXT(50)  COLLATE NOCASE,  -- 0 fund category, "J" + two digits
    ID        TEXT(50)  COLLATE NOCASE,  -- 1 expert number
    XM        TEXT(50)  COLLATE NOCASE,  -- 2 name
    XB        TEXT(50)  COLLATE NOCASE,  -- 3 sex
    NL        TEXT(3)   COLLATE NOCASE,  -- 4 age
    ZC        TEXT(50)  COLLATE NOCASE,  -- 5 title
    ZYTC      TEXT(255) COLLATE NOCASE,  -- 6 speciality
    GZDW      TEXT(255) COLLATE NOCASE,  -- 7 employer
    TXDZ      TEXT(255) COLLATE NOCASE,  -- 8 address
    YZBM      TEXT(6)   COLLATE NOCASE,  -- 9 postcode
    DH        TEXT(20)  COLLATE NOCASE,  -- 10 telephone
    SJ        TEXT(11)  COLLATE NOCASE,  -- 11 mobile
    SFXSWYHCY TEXT(50)  COLLATE NOCASE   -- 12 member of the academic committee
);
