// Writes the PDF documents of the data folder from the plain texts of data/docs: the first line is
// the title, the others the body: a line at the margin followed by indented ones is a heading.
//   velmora_document_maker --source DIR --out DATA_FOLDER
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>

#include <cstdio>

namespace {

struct Document {
  const char* source;  // in data/docs
  const char* target;  // in the data folder
};
constexpr Document kDocuments[] = {{"deportes_centros.txt", "pdf/est/DeportesCentros.pdf"}};

QString Html(const QStringList& lines) {
  QString html = "<h2>" + lines.value(0).toHtmlEscaped() + "</h2>";
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    const bool atMargin = !lines[i].startsWith(' ');
    const bool indentedNext = i + 1 < lines.size() && lines[i + 1].startsWith("  ");
    if (line.isEmpty()) html += "<br>";
    else if (atMargin && indentedNext) html += "<h4>" + line.toHtmlEscaped() + "</h4>";
    else html += "<div>" + line.toHtmlEscaped() + "</div>";
  }
  return html;
}

bool Write(const QString& source, const QString& target) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "velmora_document_maker: cannot read %s\n", qPrintable(source));
    return false;
  }
  const QStringList lines = QString::fromUtf8(in.readAll()).split('\n');
  QPdfWriter pdf(target);
  pdf.setResolution(96);  // the document lays out in the same units as on screen
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  pdf.setTitle(lines.value(0).trimmed());
  QTextDocument document;
  document.setDefaultFont(QFont("Liberation Sans", 10));
  document.setHtml(Html(lines));
  document.setPageSize(QSizeF(pdf.width(), pdf.height()));
  document.print(&pdf);
  return QFile::exists(target);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 5 || args[1] != "--source" || args[3] != "--out") {
    std::fprintf(stderr, "usage: velmora_document_maker --source DIR --out DATA_FOLDER\n");
    return 2;
  }
  bool ok = true;
  for (const Document& doc : kDocuments) {
    const QString target = args[4] + "/" + doc.target;
    QDir().mkpath(QFileInfo(target).path());
    ok = Write(args[2] + "/" + doc.source, target) && ok;
  }
  return ok ? 0 : 1;
}
