-- Rows installed with project.mdb: the code tables that the screens read and
-- nothing writes, and one login user per role.

-- Sex.
INSERT INTO CORVANE_ZD_XB (CODE, NAME) VALUES
    ('01', '男'),
    ('02', '女');

-- Degree.
INSERT INTO CORVANE_ZD_XW (CODE, NAME) VALUES
    ('01', '博士'),
    ('02', '硕士'),
    ('03', '学士'),
    ('04', '其他');

-- Professional title.
INSERT INTO CORVANE_ZD_ZC (CODE, NAME) VALUES
    ('01', '研究员'),
    ('02', '研究员级高级工程师'),
    ('03', '教授'),
    ('04', '副研究员'),
    ('05', '高级工程师'),
    ('06', '副教授'),
    ('07', '助理研究员'),
    ('08', '工程师'),
    ('09', '讲师'),
    ('10', '研究实习员'),
    ('11', '助理工程师'),
    ('12', '助教'),
    ('13', '技术员'),
    ('14', '其他');

-- Regulation types; the outputs count regulations by these names.
INSERT INTO CORVANE_NEW_RESULTCHANGE_GZZD (CODE, NAME) VALUES
    ('01', '预研基金立项论证、过程管理的规章制度'),
    ('02', '预研基金检查验收、经费使用的规章制度'),
    ('03', '预研基金成果管理、申报后续项目、转化奖励的规章制度');

-- Fund kind.
INSERT INTO CORVANE_RESULTCHANGE_JJLB (CODE, NAME) VALUES
    ('01', '共性技术基金'),
    ('02', '重点实验室基金');

-- Project category.
INSERT INTO CORVANE_RESULTCHANGE_XMLB (CODE, NAME) VALUES
    ('01', '重点项目'),
    ('02', '一般项目');

-- Military programme a project moved into.
INSERT INTO CORVANE_RESULTCHANGE_JDLB (CODE, NAME) VALUES
    ('01', '预研探索计划'),
    ('02', '国防973计划'),
    ('03', '预研专项计划'),
    ('04', '应用开发计划'),
    ('05', '型号研制计划'),
    ('06', '军口863计划'),
    ('07', '其他军口计划');

-- Transfer channel.
INSERT INTO CORVANE_RESULTCHANGE_ZHQD (CODE, NAME) VALUES
    ('01', '转入预研计划'),
    ('02', '转入型号研制计划'),
    ('03', '转入军口863计划'),
    ('04', '转入单位自主研发计划'),
    ('05', '转入民口研究计划'),
    ('06', '转入民用商业领域'),
    ('07', '其他');

-- Kind of the applying unit.
INSERT INTO CORVANE_RESULTCHANGE_YYDWXZ (CODE, NAME) VALUES
    ('01', '部队'),
    ('02', '军工集团'),
    ('03', '科研院所'),
    ('04', '高等院校'),
    ('05', '民营企业'),
    ('06', '其他');

-- Role played after transfer.
INSERT INTO CORVANE_RESULTCHANGE_FHZY (CODE, NAME) VALUES
    ('01', '支撑了转入项目立项论证与申报'),
    ('02', '支撑了分系统或部（组）件设计和制造'),
    ('03', '支撑了整机或核心部件设计与制造'),
    ('04', '支撑了转入项目实验验证'),
    ('05', '其他');

-- Main obstacle to transfer.
INSERT INTO CORVANE_RESULTCHANGE_YXZHYS (CODE, NAME) VALUES
    ('01', '技术成熟度不够'),
    ('02', '缺少后续经费支持'),
    ('03', '缺少应用需求'),
    ('04', '缺少转化渠道'),
    ('05', '保密限制'),
    ('06', '其他');

-- Research positioning of a project.
INSERT INTO CORVANE_RESULTCHANGE_XMYJDW (CODE, NAME) VALUES
    ('01', '基础研究'),
    ('02', '应用基础研究'),
    ('03', '应用研究'),
    ('04', '技术开发');

-- Title level of project leaders.
INSERT INTO CORVANE_RESULTCHANGE_XMFZRZC (CODE, NAME) VALUES
    ('01', '正高级'),
    ('02', '副高级'),
    ('03', '中级'),
    ('04', '初级');

-- Initial login users, one per role (0 guide management, 1 applicant unit,
-- 2 fund office). The build stores each password as a salted hash before the
-- database is installed; the administrator changes them after installing.
INSERT INTO CORVANE_USERS (YHM, YHMM, JS) VALUES
    ('zngl', 'zngl2024', 0),
    ('sbdw', 'sbdw2024', 1),
    ('jjb',  'jjb2024',  2);
