#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A comma-separated table as the data files of location/data write it: a header line, then
// one record per line; fields may be quoted ("..." with "" for a quote) and then hold commas
// and line breaks. Used by the build-time tools and the test fixtures.
class CsvTable
{
public:
    // Reads the whole file; on failure returns false and sets *error.
    bool read(const QString &path, QString *error);

    const QString &path() const { return m_path; }
    int rowCount() const { return int(m_rows.size()); }

    // The index of a header column, or -1.
    int column(const QString &name) const { return int(m_header.indexOf(name)); }

    // The field of a row in the named column (the column must exist).
    QString field(int row, int column) const { return m_rows.at(row).value(column); }

private:
    QString m_path;
    QStringList m_header;
    QList<QStringList> m_rows;
};
