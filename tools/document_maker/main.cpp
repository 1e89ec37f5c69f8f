// Writes the PDF documents of the data folder: the plain texts of data/docs (the first line is the
// title; a line at the margin followed by indented ones is a heading), and for every university
// with cut-off marks its weighting table, made from data/degrees and the admission subjects.
//   velmora_document_maker --source DATA_DIR --out DATA_FOLDER
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
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace {

struct Document {
  const char* source;  // in data/docs
  const char* target;  // in the data folder
};
constexpr Document kDocuments[] = {{"deportes_centros.txt", "pdf/est/DeportesCentros.pdf"},
                                   {"precios_grado_master.txt", "pdf/est/Precios_Grado_Master.pdf"},
                                   {"nota_media.txt", "pdf/est/NotaMedia.pdf"},
                                   {"movilidad_2014.txt", "pdf/est/Movilidad_2014.pdf"},
                                   {"tasa_rendimiento.txt", "pdf/est/Tasa_Rendimiento.pdf"},
                                   {"becas.txt", "pdf/est/Becas.pdf"},
                                   {"insercion_laboral.txt", "pdf/est/insercionLaboral.pdf"}};

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

std::optional<QStringList> ReadLines(const QString& source) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "velmora_document_maker: cannot read %s\n", qPrintable(source));
    return std::nullopt;
  }
  return QString::fromUtf8(in.readAll()).split('\n');
}

// The rows of a readable table: '#' lines and the header left out, fields split at commas
// outside double quotes.
std::vector<QStringList> ReadTable(const QString& source) {
  std::vector<QStringList> rows;
  const auto lines = ReadLines(source);
  if (!lines) return rows;
  bool header = true;
  for (const QString& line : *lines) {
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    if (std::exchange(header, false)) continue;
    QStringList fields{QString()};
    bool quoted = false;
    for (const QChar c : line) {
      if (c == '"') quoted = !quoted;
      else if (c == ',' && !quoted) fields.append(QString());
      else fields.back().append(c);
    }
    rows.push_back(fields);
  }
  return rows;
}

bool WritePdf(const QString& title, const QString& html, const QString& target) {
  QDir().mkpath(QFileInfo(target).path());
  QPdfWriter pdf(target);
  pdf.setResolution(96);  // the document lays out in the same units as on screen
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  pdf.setTitle(title);
  QTextDocument document;
  document.setDefaultFont(QFont("Liberation Sans", 10));
  document.setHtml(html);
  document.setPageSize(QSizeF(pdf.width(), pdf.height()));
  document.print(&pdf);
  return QFile::exists(target);
}

// One document per university with cut-off marks: each of its degrees and the admission subjects
// that weigh 0,2 for it.
bool WriteWeightings(const QString& source, const QString& out) {
  const auto subjects = ReadLines(source + "/folder/cas/materiasp.txt");
  if (!subjects) return false;
  std::map<QString, QStringList> degrees;  // code -> name, weighted subjects
  for (const QStringList& row : ReadTable(source + "/degrees/degrees.csv")) {
    QStringList weighted;
    for (int w = 11; w <= 14 && w < row.size(); ++w) {
      const int s = row[w].toInt();
      if (s == 50) weighted.append("Según la universidad");
      else if (s >= 1 && s <= subjects->size()) weighted.append(subjects->at(s - 1).trimmed());
    }
    degrees[row.value(0)] = {row.value(1), weighted.join(", ")};
  }
  std::map<QString, QString> names;
  for (const QStringList& row : ReadTable(source + "/degrees/universities.csv")) names[row.value(0)] = row.value(2);
  std::map<QString, std::vector<QStringList>> taught;  // university -> degree rows
  std::set<QString> withMarks;
  for (const QStringList& row : ReadTable(source + "/degrees/offers.csv")) {
    taught[row.value(1)].push_back(degrees[row.value(0)]);
    if (row.value(2) != "-") withMarks.insert(row.value(1));
  }
  bool ok = true;
  for (const QString& key : withMarks) {
    const QString name = names[key];
    QString html = "<h2>" + name.toHtmlEscaped() + "</h2><p>Ponderaciones de la fase específica, curso 2015/16. "
                   "Las materias de la tabla ponderan 0,2 para el grado; las demás materias de la rama, 0,1.</p>"
                   "<table border='1' cellspacing='0' cellpadding='3' width='100%'><tr><th>Grado</th><th>Materias que ponderan 0,2</th></tr>";
    for (const QStringList& degree : taught[key])
      html += "<tr><td>" + degree.value(0).toHtmlEscaped() + "</td><td>" + degree.value(1).toHtmlEscaped() + "</td></tr>";
    html += "</table>";
    ok = WritePdf(name, html, out + "/pdf/" + name + ".pdf") && ok;
  }
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 5 || args[1] != "--source" || args[3] != "--out") {
    std::fprintf(stderr, "usage: velmora_document_maker --source DATA_DIR --out DATA_FOLDER\n");
    return 2;
  }
  bool ok = true;
  for (const Document& doc : kDocuments) {
    const auto lines = ReadLines(args[2] + "/docs/" + doc.source);
    ok = lines && WritePdf(lines->value(0).trimmed(), Html(*lines), args[4] + "/" + doc.target) && ok;
  }
  return WriteWeightings(args[2], args[4]) && ok ? 0 : 1;
}
