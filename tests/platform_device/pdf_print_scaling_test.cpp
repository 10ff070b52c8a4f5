// The request to print at actual size, appended to a finished PDF: what qpdf (package qpdf)
// then reads in the file, and the files it refuses, left as they were.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "platform/pdf_print_scaling.h"
#include "platform/qt/qt_devices.h"
#include "tests/support/fila.h"

namespace {

std::string Read(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Write(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

struct QpdfRun {
    int status = -1;
    QString output;
};

QpdfRun Qpdf(const QStringList& arguments) {
    QProcess qpdf;
    qpdf.start("qpdf", arguments);
    if (!qpdf.waitForFinished(30000)) {
        return {};
    }
    return {qpdf.exitCode(),
            QString::fromUtf8(qpdf.readAllStandardOutput() + qpdf.readAllStandardError())};
}

// A PDF as Qt's writer leaves it, with one page of text.
void QtPdf(const QString& path) {
    QPdfWriter writer(path);
    writer.setTitle("Imprimiento Recibo");
    QPainter painter(&writer);
    painter.drawText(QPointF(500, 500), "Recibo");
}

// The dictionary of the catalog the file's last trailer names, as qpdf reads it.
QString Catalog(const QString& path) {
    const QString trailer = Qpdf({"--show-object=trailer", path}).output;
    const QRegularExpressionMatch root = QRegularExpression("/Root (\\d+) 0 R").match(trailer);
    return root.hasMatch() ? Qpdf({"--show-object=" + root.captured(1), path}).output : trailer;
}

// A row: a file made from the Qt PDF at its path.
struct Variant : Fila {
    std::function<void(const QString&)> make;
};

// The row's file in the folder, and its bytes then.
struct Made {
    QString path;
    std::string bytes;
};

Made Make(const QTemporaryDir& dir, const Variant& variant) {
    const QString path = dir.filePath("recibo.pdf");
    QtPdf(path);
    variant.make(path);
    return {path, Read(path)};
}

const Variant kBad[] = {
    {{"NotAPdf"}, [](const QString& p) { Write(p, "Recibo 17\nno es un PDF\n"); }},
    {{"Truncated"},
     [](const QString& p) {
         const std::string bytes = Read(p);
         Write(p, bytes.substr(0, bytes.size() / 2));
     }},
    {{"AlreadyAsked"}, [](const QString& p) { AskViewersNotToScale(p.toStdString()); }},
    {{"CrossReferenceStream"},
     [](const QString& p) {
         Qpdf({"--object-streams=generate", "--replace-input", p});
     }},
    {{"TrailerNamesNoCatalog"},
     [](const QString& p) {
         std::string bytes = Read(p);
         const std::size_t root = bytes.rfind("/Root");
         bytes.replace(root, 5, "/Roox");
         Write(p, bytes);
     }},
    {{"Empty"}, [](const QString& p) { Write(p, ""); }},
};

class Refused : public ::testing::TestWithParam<Variant> {};

TEST_P(Refused, FileIsLeftAsItWas) {
    QTemporaryDir dir;
    const Made made = Make(dir, GetParam());
    EXPECT_FALSE(AskViewersNotToScale(made.path.toStdString()));
    EXPECT_EQ(Read(made.path), made.bytes);
}

INSTANTIATE_TEST_SUITE_P(PrintScaling, Refused, ::testing::ValuesIn(kBad),
                         ::testing::PrintToStringParamName());

TEST(PrintScaling, MissingFileIsRefusedAndNotCreated) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ninguno.pdf");
    EXPECT_FALSE(AskViewersNotToScale(path.toStdString()));
    EXPECT_FALSE(QFile::exists(path));
}

const Variant kGood[] = {
    {{"AsQtWritesIt"}, [](const QString&) {}},
    {{"WithoutAFinalLineEnd"},
     [](const QString& p) {
         std::string bytes = Read(p);
         while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) {
             bytes.pop_back();
         }
         Write(p, bytes);
     }},
};

class Appended : public ::testing::TestWithParam<Variant> {};

// The update only adds to the file: its first bytes are the document as it was, and qpdf reads
// the new catalog, with the document's pages, and finds the file sound.
TEST_P(Appended, CatalogAsksForActualSizeInASoundFile) {
    QTemporaryDir dir;
    const auto [path, before] = Make(dir, GetParam());
    ASSERT_EQ(Catalog(path).indexOf("/ViewerPreferences"), -1);

    ASSERT_TRUE(AskViewersNotToScale(path.toStdString()));
    const std::string after = Read(path);
    EXPECT_EQ(after.substr(0, before.size()), before);
    const QpdfRun check = Qpdf({"--check", path});
    EXPECT_EQ(check.status, 0) << check.output.toStdString();
    EXPECT_FALSE(check.output.contains("WARNING")) << check.output.toStdString();
    const QString catalog = Catalog(path);
    EXPECT_TRUE(catalog.contains("/ViewerPreferences << /PrintScaling /None >>"))
        << catalog.toStdString();
    EXPECT_TRUE(catalog.contains("/Type /Catalog")) << catalog.toStdString();
    EXPECT_TRUE(catalog.contains(QRegularExpression("/Pages \\d+ 0 R"))) << catalog.toStdString();
    EXPECT_EQ(Qpdf({"--show-npages", path}).output.trimmed(), "1");
}

INSTANTIATE_TEST_SUITE_P(PrintScaling, Appended, ::testing::ValuesIn(kGood),
                         ::testing::PrintToStringParamName());

// The program's PDF device asks for it on every file it finishes, and a file that cannot take
// the request is a document that failed.
TEST(PrintScaling, PdfDeviceAsksOnEveryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("recibo.pdf");
    auto device = CreatePdfDevice(path.toStdString());
    ASSERT_EQ(device->StartDoc("Imprimiento Recibo"), 1);
    ASSERT_EQ(device->StartPage(), 1);
    device->Rectangle(100, 100, 500, 500);
    ASSERT_EQ(device->EndPage(), 1);
    EXPECT_EQ(device->EndDoc(), 1);
    EXPECT_TRUE(Catalog(path).contains("/PrintScaling /None"));
    EXPECT_EQ(Qpdf({"--check", path}).status, 0);
}

}  // namespace
