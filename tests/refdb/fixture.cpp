#include "fixture.h"

#include <QDir>

#include <sqlite3.h>

#include <stdexcept>

namespace velmora::testing {

FixtureFolder::FixtureFolder() {
  if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
}

QString FixtureFolder::Folder() const { return QDir::toNativeSeparators(dir_.path()) + QDir::separator(); }

QString FixtureFolder::PathOf(const QString& file) const { return dir_.filePath(file); }

void FixtureFolder::Run(const QString& file, const char* script) const {
  sqlite3* db = nullptr;
  if (sqlite3_open(PathOf(file).toUtf8().constData(), &db) != SQLITE_OK) throw std::runtime_error("open fixture");
  char* error = nullptr;
  const int rc = sqlite3_exec(db, script, nullptr, nullptr, &error);
  const std::string why = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("fixture script: " + why);
}

void FixtureFolder::CreateStandard() const {
  Run(QStringLiteral("Pelvano.dll"), kPelvanoFixture);
  Run(QStringLiteral("KelFile.dll"), kKelFileFixture);
  Run(QStringLiteral("dream.dll"), kDreamFixture);
  Run(QStringLiteral("KelBirth.dll"), kKelBirthFixture);
  Run(QStringLiteral("Tgcode.dll"), kTgcodeFixture);
}

// Characters chosen for the edge cases: 張 is found only through ft; 〇 has bh 0 by zi and
// is found through ft in the row of 零; 卍 has bh 0 and no ft match; 干 holds three forms
// in ft, so 幹 alone is found nowhere.
const char* const kPelvanoFixture = R"sql(
CREATE TABLE word (zi TEXT, ft TEXT, bh INTEGER, wuhang TEXT, pinyin TEXT, px INTEGER, id INTEGER,
                   nan INTEGER, nv INTEGER, xb TEXT, Aflag TEXT);
INSERT INTO word VALUES
 ('张','張',11,'火','zhāng',900,50,0,0,'0','1'),
 ('王','王',4,'土','wáng',900,50,0,0,'0','1'),
 ('欧','歐',15,'土','ōu',900,50,0,0,'0','1'),
 ('阳','陽',17,'土','yáng',900,50,0,0,'0','1'),
 ('思','思',9,'金','sī',10,5,1,1,'1',NULL),
 ('远','遠',17,'土','yuǎn',20,9,1,0,'男',NULL),
 ('伟','偉',11,'土','wěi',15,3,1,0,'男',NULL),
 ('文','文',4,'水','wén',12,4,1,1,'1',NULL),
 ('玲','玲',10,'火','líng',14,8,0,1,'女',NULL),
 ('华','華',14,'水','huá',16,6,1,1,'1',NULL),
 ('芳','芳',10,'木','fāng',18,7,0,1,'女',NULL),
 ('明','明',8,'火','míng',11,2,1,1,'1',NULL),
 ('安','安',6,'土','ān',13,4,1,1,'0',NULL),
 ('死','死',6,'水','sǐ',9000,99,0,0,'0','1'),
 ('〇','○',0,'金','líng',9000,99,0,0,'0','1'),
 ('零','〇',13,'火','líng',9000,99,0,0,'0','1'),
 ('卍','卐',0,'土','wàn',9000,99,0,0,'0','1'),
 ('乾','乾',11,'金','qián',40,20,1,0,'男',NULL),
 ('干','干乾幹',3,'木','gàn',50,20,1,1,'1','1'),
 ('%','%',3,'水','',60,20,1,1,'1',NULL),
 ('_','_',3,'水','',61,20,1,1,'1',NULL),
 ('''','''',3,'水','',62,20,1,1,'1',NULL);
INSERT INTO word VALUES ('龘','龘',48,'火','dá',9000,99,0,0,'0','1');
CREATE TABLE zh (lx INTEGER, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER, zf INTEGER,
                 jxjx INTEGER, wg TEXT, sc TEXT);
INSERT INTO zh VALUES
 (12,11,0,10,6,80,1,'12-21-16-27-7','木木土'),
 (12,11,0,4,14,80,1,'12-15-18-29-15','木土金'),
 (12,11,0,9,17,78,2,'12-20-26-37-18','木水土'),
 (12,11,0,11,14,76,3,'12-22-25-36-15','木木土'),
 (12,11,0,8,10,70,4,'12-19-18-29-11','木水金'),
 (12,11,0,6,10,66,5,'12-17-16-27-11','木金土'),
 (11,11,0,10,0,79,1,'12-21-11-21-2','木木木'),
 (11,11,0,4,0,77,2,'12-15-5-15-2','木土土'),
 (11,11,0,9,0,75,3,'12-20-10-20-2','木水水'),
 (22,15,17,10,6,80,1,'32-27-16-48-21','木金土'),
 (22,15,17,4,14,76,2,'32-21-18-50-29','木木金'),
 (21,15,17,10,0,79,1,'32-27-11-42-16','木金木'),
 (11,4,0,4,0,70,1,'5-8-5-8-2','土金土');
)sql";

const char* const kKelFileFixture = R"sql(
CREATE TABLE "81" (num INTEGER, yy TEXT, jx TEXT, "as" TEXT);
INSERT INTO "81" VALUES (1,'太极之数，万物开泰，','大吉','一数暗示。'),
 (2,'两仪之数，混沌未开，','凶','二数暗示。'),
 (6,'安稳之数，','半吉','六数暗示。'),
 (81,'还本之数，','吉','八十一数暗示。');
CREATE TABLE sancai (title TEXT, djc INTEGER);
INSERT INTO sancai VALUES ('木火土',1),('金木火',6),('水水水',3);
CREATE TABLE sancai2009 (title TEXT, yy TEXT, jcy TEXT, jx1 TEXT, cgy TEXT, jx2 TEXT, rjgx TEXT, jx3 TEXT, xg TEXT);
INSERT INTO sancai2009 VALUES ('木火土',' 总论 ','基础','大吉','成功','大吉','人际','大吉','性格');
)sql";

const char* const kDreamFixture = R"sql(
CREATE TABLE chenggu1 (year TEXT, weight REAL);
INSERT INTO chenggu1 VALUES ('1990',0.9),('2010',0.9);
CREATE TABLE chenggu2 (month2 TEXT, weight REAL);
INSERT INTO chenggu2 VALUES ('4',2.0),('1',0.6);
CREATE TABLE chenggu3 (day2 TEXT, weight REAL);
INSERT INTO chenggu3 VALUES ('23',0.8),('1',0.5);
CREATE TABLE chenggu4 (time TEXT, weight REAL);
INSERT INTO chenggu4 VALUES ('8',0.9),('0',1.6);
CREATE TABLE chenggu (weight TEXT, content TEXT, content2 TEXT);
INSERT INTO chenggu VALUES ('46',' 诗 ',' 解 '),('36','三两六钱','解三六');
)sql";

const char* const kKelBirthFixture = R"sql(
CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);
INSERT INTO Noter VALUES ('XM016',' 五格剖象 ',' 五格说明 '),('XM017','三才配置','三才说明');
CREATE TABLE sg (cd_num INTEGER, d_dynasty TEXT, au_num INTEGER, d_author TEXT, d_num INTEGER, d_title TEXT, d_nr TEXT);
INSERT INTO sg VALUES
 (1,'先秦',1,'佚名',1,'关雎','关关雎鸠，在河之洲。窈窕淑女，君子好逑。'),
 (1,'先秦',1,'佚名',2,'蒹葭','蒹葭苍苍，白露为霜。所谓伊人，在水一方。'),
 (3,'唐',7,'李白',3,'静夜思','床前明月光，疑是地上霜。举头望明月，低头思故乡。'),
 (3,'唐',8,'王维',4,'山居秋暝','空山新雨后，天气晚来秋。明月松间照，清泉石上流。'),
 (5,'宋',9,'苏轼',5,'水调歌头·明月几时有','明月几时有？把酒问青天。');
)sql";

const char* const kTgcodeFixture = R"sql(
CREATE TABLE hzwh (hz TEXT, wh TEXT);
INSERT INTO hzwh VALUES ('甲乙寅卯','木'),('丙丁巳午','火'),('戊己辰戌丑未',' 土 '),('庚辛申酉','金'),('壬癸亥子','水');
CREATE TABLE Shishen (jiazi TEXT, ShiShen TEXT);
INSERT INTO Shishen VALUES ('甲甲','比肩'),('甲乙','劫财'),('甲庚','七杀');
CREATE TABLE jiazi (jiazi TEXT, layin TEXT);
INSERT INTO jiazi VALUES ('甲子','海中金'),('乙丑','海中金'),('庚午','路旁土');
CREATE TABLE sjrs (wh TEXT, sj TEXT, sjrs TEXT);
INSERT INTO sjrs VALUES ('木','春','木旺于春');
CREATE TABLE qtbj (tg TEXT, dz TEXT, content TEXT);
INSERT INTO qtbj VALUES ('甲','寅','初春尚有余寒，先用丙火温暖。');
CREATE TABLE JQ (YearA INTEGER, JQ TEXT, SJ TEXT);
INSERT INTO JQ VALUES (2000,'立春','2000-02-04 20:40:24'),(2000,'雨水','2000-02-19 16:33:15'),
 (2000,'惊蛰','2000-03-05 14:42:40'),(2023,'冬至','2023-12-22 11:27:09'),(2023,'大雪','2023-12-07 17:33:00');
)sql";

}  // namespace velmora::testing
