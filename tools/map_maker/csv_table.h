// Reads the small comma-separated tables of the map sources: '#' lines are comments, the first
// other line names the columns. Fields never hold commas, so there is no quoting.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class CsvTable {
public:
    struct Row {
        int line;  // 1-based line in the file, for messages
        QStringList fields;
    };

    // Throws SourceError when the file is missing, has no header or a row of the wrong width.
    explicit CsvTable(const QString& path);

    const QString& path() const { return path_; }
    const std::vector<Row>& rows() const { return rows_; }

    // Column index by name; throws SourceError when the column is absent.
    int column(const QString& name) const;

    QString text(const Row& row, int column) const;
    // Throws SourceError naming the line when the field is not a number.
    int integer(const Row& row, int column) const;
    double real(const Row& row, int column) const;

    [[noreturn]] void fail(const Row& row, const QString& message) const;

private:
    QString path_;
    QStringList header_;
    std::vector<Row> rows_;
};
