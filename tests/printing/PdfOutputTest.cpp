#include "PrintTestSupport.h"
#include "base/MessageCatalogue.h"
#include "platform/Cp932.h"
#include "platform/print/PainterCanvas.h"
#include "platform/print/PdfOutput.h"
#include "printing/ParameterListing.h"
#include "printing/PositionListing.h"
#include "printing/ProgramListings.h"
#include "support/TestPaths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QRectF>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// Forwards to a real canvas and keeps the farthest right and bottom edge of any text.
class BoundsCanvas final : public PageCanvas {
public:
    explicit BoundsCanvas(PageCanvas& inner) : inner_(inner) {}
    QSizeF printableSize() const override { return inner_.printableSize(); }
    void setFont(const PageFont& font) override { inner_.setFont(font); }
    double textWidth(const QString& text) const override { return inner_.textWidth(text); }
    double textHeight(const QString& text) const override { return inner_.textHeight(text); }
    void drawText(double x, double y, const QString& text) override
    {
        right = std::max(right, x + textWidth(text));
        bottom = std::max(bottom, y + textHeight(text));
        inner_.drawText(x, y, text);
    }
    void drawLine(double x1, double y1, double x2, double y2) override
    {
        right = std::max({right, x1, x2});
        bottom = std::max({bottom, y1, y2});
        inner_.drawLine(x1, y1, x2, y2);
    }
    void newPage() override { inner_.newPage(); }
    bool end() override { return inner_.end(); }
    double right = 0;
    double bottom = 0;

private:
    PageCanvas& inner_;
};

struct ToolRun {
    int status = -1;
    QByteArray out;
    QString err;
};

ToolRun RunTool(const QString& program, const QStringList& arguments, const QString& home = QString())
{
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home);
        environment.insert("HOME", home);
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

bool PopplerPresent()
{
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

struct PdfOutputTest : ::testing::Test {
    MessageCatalogue messages = MessageCatalogue::Builtin();
    QTemporaryDir folder;

    QString path(const QString& name) const { return folder.filePath(name); }
    ToolRun kvt7ctl(const QStringList& arguments) const
    {
        return RunTool(QDir(ProgramDir()).filePath("kvt7ctl"), arguments, folder.path());
    }
    // A position file in CP932, records 1-3, with the comment "原点復帰" on position 1.
    QString positionFile() const
    {
        auto record = [](int n, const char* pos, const QString& comment) {
            QString line = QString::number(n) + ",\" 30\",\" 3\",\" 0\",\"" + pos + "\"";
            for (int i = 0; i < 12; ++i)
                line += i % 4 == 0 ? ",\" 30\"" : i % 4 == 1 ? ",\" 3\"" : ",\" 0\"";
            return line + ",\" 0\",\" 0\",\" 0\",\"" + comment + "\"\r\n";
        };
        const QString text = "\"KV-M8\"\r\n\"KV- 28L-100_ \",\"KV- 42D-050  \",\"\",\"\"\r\n"
                             "\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n" +
                             record(1, "100", QStringLiteral("原点復帰")) + record(2, "2000", "") +
                             record(3, "30000", "end");
        QFile file(path("ja.kvd"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(*EncodeCp932(text));
        return file.fileName();
    }
};

}  // namespace

TEST_F(PdfOutputTest, RealCanvasSizesFontsInPointsAndMapsTheFontNames)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(DefaultPdfPageLayout());
    PainterCanvas canvas(writer);
    ASSERT_TRUE(canvas.isActive());
    EXPECT_NEAR(canvas.printableSize().width(), 190, 0.5);
    EXPECT_NEAR(canvas.printableSize().height(), 277, 0.5);
    canvas.setFont(PageFont{"MS GOTHIC", 11});
    const double height = canvas.textHeight("A");
    EXPECT_GE(height, 3.5);
    EXPECT_LE(height, 5.5);
    canvas.setFont(PageFont{"MS GOTHIC", 22});
    EXPECT_NEAR(canvas.textHeight("A"), 2 * height, 0.5);
    EXPECT_TRUE(canvas.end());

    EXPECT_EQ(QFontInfo(PainterCanvas::QtFont({QStringLiteral("ＭＳ 明朝"), 11})).family(), "IPAMincho");
    EXPECT_EQ(QFontInfo(PainterCanvas::QtFont({"MS GOTHIC", 11})).family(), "IPAGothic");
}

TEST_F(PdfOutputTest, EveryListingFitsA4AndLetterWithTheRealFont)
{
    PositionListing positions;
    for (int n = 1; n <= 30; ++n) {
        ListingRow row;
        row.fill("30000");
        row[0] = QString::number(n);
        row[20] = QString(40, QChar(0x30A2));
        positions.records.push_back(row);
    }
    positions.fileName = "a-rather-long-file-name-of-positions.kvd";
    GroupListing groups;
    groups.groups.fill({999, 999});
    SmListing sm;
    for (auto& program : sm.programs)
        program.fill({6, 9});
    EditorValues values;
    for (int a = 1; a <= 4; ++a)
        values.setNumber(Param::Stroke, a, 262143);
    values.setNumber(Param::Axis, 15);
    const ParameterListing parameters{values, "parameters-of-the-line.pmt"};

    const std::vector<std::function<void(PageCanvas&)>> layouts = {
        [&](PageCanvas& c) { LayoutPositionListing(c, positions, messages); },
        [&](PageCanvas& c) { LayoutGroupListing(c, groups, messages); },
        [&](PageCanvas& c) { LayoutSmListing(c, sm, messages); },
        [&](PageCanvas& c) { LayoutParameterListing(c, parameters, messages); },
    };
    for (const int language : {kJapanese, kEnglish}) {
        messages.setLanguage(language);
        for (const QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
            for (std::size_t i = 0; i < layouts.size(); ++i) {
                QBuffer buffer;
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter writer(&buffer);
                writer.setPageLayout(QPageLayout(QPageSize(size), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                                 QPageLayout::Millimeter));
                PainterCanvas real(writer);
                BoundsCanvas canvas(real);
                layouts[i](canvas);
                EXPECT_TRUE(canvas.end());
                EXPECT_LE(canvas.right, canvas.printableSize().width()) << "listing " << i << " size " << size;
                EXPECT_LE(canvas.bottom, canvas.printableSize().height()) << "listing " << i << " size " << size;
            }
        }
    }
}

TEST_F(PdfOutputTest, JapanesePositionListingRendersWithAnEmbeddedFont)
{
    if (!PopplerPresent())
        GTEST_SKIP() << "poppler-utils missing (scripts/setup installs them)";
    const ToolRun run = kvt7ctl({"--lang", "ja", "print", "positions", positionFile(), "-o", path("posi.pdf")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    const ToolRun fonts = RunTool("pdffonts", {path("posi.pdf")});
    EXPECT_TRUE(QRegularExpression("IPA(Mincho|Gothic)\\S*\\s+CID TrueType\\s+Identity-H\\s+yes")
                    .match(QString::fromUtf8(fonts.out))
                    .hasMatch())
        << fonts.out.toStdString();
    const QString text = QString::fromUtf8(RunTool("pdftotext", {path("posi.pdf"), "-"}).out);
    EXPECT_TRUE(text.contains(QStringLiteral("位置データ")));
    EXPECT_TRUE(text.contains(QStringLiteral("原点復帰")));
    EXPECT_TRUE(text.contains(QStringLiteral("ファイル名：ja.kvd")));
    EXPECT_EQ(text.count(QChar('\f')), 1) << "one page";

    // Ink inside the box pdftotext gives the title word, at 100 dpi.
    const QString boxes = QString::fromUtf8(RunTool("pdftotext", {"-bbox", path("posi.pdf"), "-"}).out);
    // pdftotext splits the title word into its kanji and katakana parts.
    QRectF box;
    for (const QString& part : {QStringLiteral("位置"), QStringLiteral("データ")}) {
        const auto word = QRegularExpression("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">" +
                                             part + "<").match(boxes);
        ASSERT_TRUE(word.hasMatch()) << boxes.left(2000).toStdString();
        box |= QRectF(QPointF(word.captured(1).toDouble(), word.captured(2).toDouble()),
                      QPointF(word.captured(3).toDouble(), word.captured(4).toDouble()));
    }
    EXPECT_LT(box.left(), 130) << "the title lies at the top left";
    EXPECT_LT(box.top(), 60);
    ASSERT_EQ(RunTool("pdftoppm", {"-r", "100", "-gray", "-f", "1", "-l", "1", path("posi.pdf"), path("page")}).status, 0);
    const QStringList pages = QDir(folder.path()).entryList({"page*.pgm"});
    ASSERT_EQ(pages.size(), 1);
    const QImage image(path(pages[0]));
    ASSERT_FALSE(image.isNull());
    const double k = 100.0 / 72.0;
    int ink = 0;
    for (int y = int(box.top() * k); y <= int(box.bottom() * k); ++y)
        for (int x = int(box.left() * k); x <= int(box.right() * k); ++x)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(ink, 20);
}

TEST_F(PdfOutputTest, EnglishListingsHoldTheirTexts)
{
    if (!PopplerPresent())
        GTEST_SKIP() << "poppler-utils missing (scripts/setup installs them)";
    messages.setLanguage(kEnglish);
    GroupListing groups;
    groups.groups[9] = {300, 999};
    groups.fileName = "line.grp";
    const PageLayout layout = [&](PageCanvas& c) { LayoutGroupListing(c, groups, messages); };
    ASSERT_TRUE(WritePdfFile(path("grp.pdf"), layout, DefaultPdfPageLayout(), "Group Data"));
    const QString text = QString::fromUtf8(RunTool("pdftotext", {"-layout", path("grp.pdf"), "-"}).out);
    EXPECT_TRUE(text.contains("KV-T7 Group Data"));
    EXPECT_TRUE(text.contains("File Name:line.grp"));
    EXPECT_TRUE(QRegularExpression("No\\. 10:\\s+300\\s+---\\s+999").match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(text.contains("No. 51:"));
    EXPECT_TRUE(RunTool("pdffonts", {path("grp.pdf")}).out.contains("IPAGothic"));
}

// kvt7ctl print groups through the file reader the group window uses: a group the file does
// not list prints as File Open reads it (1 --- 1); a file cut short prints nothing.
TEST_F(PdfOutputTest, GroupFileListingPrintsWhatTheFileReaderGives)
{
    if (!PopplerPresent())
        GTEST_SKIP() << "poppler-utils missing (scripts/setup installs them)";
    const QByteArray records = "\"1\",1,5\r\n\"2\",20,30\r\n\"60\",300,999\r\n";
    const auto write = [this](const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString three = write("three.grp", "\"KV-M8\",\"GRP\"\r\n3,3\r\n" + records);
    const ToolRun run = kvt7ctl({"--lang", "en", "print", "groups", three, "-o", path("g.pdf")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = QString::fromUtf8(RunTool("pdftotext", {"-layout", path("g.pdf"), "-"}).out);
    EXPECT_TRUE(text.contains("File Name:three.grp"));
    for (const char* row : {"No\\. 1:\\s+1\\s+---\\s+5\\b", "No\\. 2:\\s+20\\s+---\\s+30\\b",
                            "No\\. 3:\\s+1\\s+---\\s+1\\b", "No\\. 60:\\s+300\\s+---\\s+999\\b",
                            "No\\. 99:\\s+1\\s+---\\s+1\\b"})
        EXPECT_TRUE(QRegularExpression(row).match(text).hasMatch()) << row << "\n" << text.toStdString();

    const QString cut = write("cut.grp", "\"KV-M8\",\"GRP\"\r\n99,3\r\n" + records);
    const ToolRun refused = kvt7ctl({"--lang", "en", "print", "groups", cut, "-o", path("cut.pdf")});
    EXPECT_EQ(refused.status, 5);
    EXPECT_TRUE(refused.err.endsWith("An error occured in Reading file.\n")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("cut.pdf")));
}

TEST_F(PdfOutputTest, CommandLineRefusals)
{
    const QString input = positionFile();
    EXPECT_EQ(kvt7ctl({"print", "positions", input}).status, 2) << "no -o";
    EXPECT_EQ(kvt7ctl({"print", "positions", input, "-o", path("x.pdf"), "--range", "5-3"}).status, 2);
    EXPECT_EQ(kvt7ctl({"print", "positions", input, "-o", path("x.pdf"), "--range", "1-1000"}).status, 2);
    EXPECT_EQ(kvt7ctl({"print", "drawings", input, "-o", path("x.pdf")}).status, 2);
    EXPECT_FALSE(QFile::exists(path("x.pdf")));

    ToolRun run = kvt7ctl({"--lang", "en", "print", "positions", input, "-o", path("x.pdf"), "--range", "7-9"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("The specified range is not right. Please check again.")) << run.err.toStdString();
    run = kvt7ctl({"--lang", "en", "print", "positions", path("missing.kvd"), "-o", path("x.pdf")});
    EXPECT_EQ(run.status, 5);
    EXPECT_TRUE(run.err.contains("An error occured in Reading file.")) << run.err.toStdString();
    run = kvt7ctl({"--lang", "en", "print", "params", input, "-o", path("x.pdf")});
    EXPECT_EQ(run.status, 5);
    EXPECT_FALSE(QFile::exists(path("x.pdf")));

    // An unwritable PDF: message 396; the file that was there stays.
    run = kvt7ctl({"--lang", "en", "print", "positions", input, "-o", path("none/x.pdf")});
    EXPECT_EQ(run.status, 5);
    EXPECT_TRUE(run.err.contains("Printing data was canceled.")) << run.err.toStdString();

    ASSERT_EQ(kvt7ctl({"print", "positions", input, "-o", path("x.pdf"), "--range", "2-3"}).status, 0);
    QFile pdf(path("x.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
}

TEST_F(PdfOutputTest, PositionsReadFromTheSimulatedControllerPrintOnOnePage)
{
    if (!PopplerPresent())
        GTEST_SKIP() << "poppler-utils missing (scripts/setup installs them)";
    const ToolRun read = kvt7ctl({"--simulate", "positions", "read", "--range", "1-3", "-o", path("ct.kvd")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    const ToolRun printed = kvt7ctl({"--lang", "en", "print", "positions", path("ct.kvd"), "-o", path("ct.pdf")});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    const QString text = QString::fromUtf8(RunTool("pdftotext", {"-layout", path("ct.pdf"), "-"}).out);
    EXPECT_EQ(text.count(QChar('\f')), 1);
    const QString info = QString::fromUtf8(RunTool("pdfinfo", {path("ct.pdf")}).out);
    EXPECT_TRUE(QRegularExpression("(^|\\n)Pages:\\s+1\\n").match(info).hasMatch()) << info.toStdString();
    EXPECT_TRUE(text.contains("File Name:ct.kvd"));
    EXPECT_TRUE(text.contains("AXIS1:KV- 28L-100")) << text.toStdString();
    EXPECT_TRUE(QRegularExpression("\\n\\s*3\\s+30\\s+3\\s+0\\s+0\\s+30\\s+2").match(text).hasMatch()) << text.toStdString();
}
