#include "csv_table.h"

#include "source_error.h"

#include <QFile>
#include <QTextStream>

CsvTable::CsvTable(const QString& path) : path_(path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw SourceError(path, "cannot be read (" + file.errorString() + ")");
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QStringList fields = line.split(',');
        for (QString& field : fields)
            field = field.trimmed();
        if (header_.isEmpty()) {
            header_ = fields;
            continue;
        }
        if (fields.size() != header_.size())
            throw SourceError(path, QString("line %1 has %2 fields, the header has %3")
                                        .arg(lineNumber).arg(fields.size()).arg(header_.size()));
        rows_.push_back({lineNumber, fields});
    }
    if (header_.isEmpty())
        throw SourceError(path, "has no header line");
}

int CsvTable::column(const QString& name) const {
    const auto index = header_.indexOf(name);
    if (index < 0)
        throw SourceError(path_, "has no column \"" + name + "\"");
    return static_cast<int>(index);
}

QString CsvTable::text(const Row& row, int column) const { return row.fields.at(column); }

int CsvTable::integer(const Row& row, int column) const {
    bool ok = false;
    const int value = row.fields.at(column).toInt(&ok);
    if (!ok)
        fail(row, "\"" + row.fields.at(column) + "\" is not a whole number");
    return value;
}

double CsvTable::real(const Row& row, int column) const {
    bool ok = false;
    const double value = row.fields.at(column).toDouble(&ok);
    if (!ok)
        fail(row, "\"" + row.fields.at(column) + "\" is not a number");
    return value;
}

void CsvTable::fail(const Row& row, const QString& message) const {
    throw SourceError(path_, QString("line %1: %2").arg(row.line).arg(message));
}
