#include "PdfReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace gb::test {
namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int PdfPageCount(const QString& file) {
    QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(Run("pdfinfo", {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString PdfText(const QString& file) { return Run("pdftotext", {"-enc", "UTF-8", file, "-"}); }

QImage PdfPageImage(const QString& file, int page, int dpi) {
    QTemporaryDir dir;
    const QString base = dir.filePath("page");
    Run("pdftoppm", {"-r", QString::number(dpi), "-f", QString::number(page), "-l", QString::number(page),
                     "-singlefile", "-png", file, base});
    return QImage(base + ".png");
}

} // namespace gb::test
