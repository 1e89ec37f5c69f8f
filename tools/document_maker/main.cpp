// Writes the PDF documents of the data folder: the plain texts of data/docs (the first line is the
// title; a line at the margin followed by indented ones is a heading), and for every university
// with cut-off marks its weighting table, made from data/degrees (weightings.csv by community or
// university) and the admission subjects.
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

#include "tools/document_maker/weighting_table.h"

namespace {

using velmora::tools::Weighting;
using velmora::tools::WeightingTable;

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

QString Cells(const QStringList& subjects) { return subjects.isEmpty() ? QString("&mdash;") : subjects.join(", ").toHtmlEscaped(); }

// One document per university with cut-off marks: each of its degrees with the admission subjects
// that weigh 0,2 and 0,1 for it, by the table of its community or its own; a degree no table
// covers keeps the 0,2 subjects of degrees.csv.
bool WriteWeightings(const QString& source, const QString& out) {
  const auto subjects = ReadLines(source + "/folder/cas/materiasp.txt");
  if (!subjects) return false;
  QStringList subjectNames;
  for (const QString& line : *subjects) subjectNames.append(line.trimmed());
  QStringList problems;
  const WeightingTable table = WeightingTable::From(ReadTable(source + "/degrees/weightings.csv"), subjectNames, problems);
  for (const QString& problem : problems) std::fprintf(stderr, "velmora_document_maker: %s\n", qPrintable(problem));
  if (!problems.isEmpty()) return false;

  struct Degree {
    QString name;
    int group = 0;
    Weighting general;  // degrees.csv's own 0,2 subjects
  };
  std::map<QString, Degree> degrees;
  for (const QStringList& row : ReadTable(source + "/degrees/degrees.csv")) {
    Degree degree{row.value(1), row.value(3).toInt(), {}};
    for (int w = 11; w <= 14 && w < row.size(); ++w) {
      const int s = row[w].toInt();
      if (s == 50) degree.general.heavy.append("Según la universidad");
      else if (s >= 1 && s <= subjectNames.size()) degree.general.heavy.append(subjectNames.at(s - 1));
    }
    degrees[row.value(0)] = degree;
  }
  std::map<QString, QString> kinds;
  for (const QStringList& row : ReadTable(source + "/degrees/weighting_sources.csv")) kinds[row.value(0)] = row.value(1);
  struct University {
    QString name;
    int community = 0;
  };
  std::map<QString, University> universities;
  for (const QStringList& row : ReadTable(source + "/degrees/universities.csv"))
    universities[row.value(0)] = {row.value(2), row.value(1).toInt()};
  std::map<QString, QStringList> taught;  // university -> degree codes
  std::set<QString> withMarks;
  for (const QStringList& row : ReadTable(source + "/degrees/offers.csv")) {
    taught[row.value(1)].append(row.value(0));
    if (row.value(2) != "-") withMarks.insert(row.value(1));
  }
  bool ok = true;
  for (const QString& key : withMarks) {
    const University& university = universities[key];
    const QString kind = kinds.count(key) ? kinds[key] : kinds[QString::number(university.community)];
    const QString sourceNote = kind == "recalled"
                                   ? "La tabla sigue la pauta de la que publicaron las universidades de la comunidad para el curso 2015/16."
                                   : "Tabla ilustrativa de muestra, hecha con la regla general de ese curso.";
    QString html = "<h2>" + university.name.toHtmlEscaped() + "</h2><p>Ponderaciones de la fase específica, curso 2015/16: "
                   "lo que cuenta cada materia aprobada para la nota de admisión a cada grado. " + sourceNote +
                   " Compruébela en la tabla oficial de la universidad.</p>"
                   "<table border='1' cellspacing='0' cellpadding='3' width='100%'><tr><th>Grado</th>"
                   "<th>Ponderan 0,2</th><th>Ponderan 0,1</th></tr>";
    for (const QString& code : taught[key]) {
      const Degree& degree = degrees[code];
      const Weighting weighting = table.For(key, university.community, code, degree.group).value_or(degree.general);
      html += "<tr><td>" + degree.name.toHtmlEscaped() + "</td><td>" + Cells(weighting.heavy) + "</td><td>" +
              Cells(weighting.light) + "</td></tr>";
    }
    html += "</table>";
    ok = WritePdf(university.name, html, out + "/pdf/" + university.name + ".pdf") && ok;
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
