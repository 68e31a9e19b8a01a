#pragma once

#include <QString>
#include <QStringList>

namespace verdeval {

// Where a calculation puts what the user sees, in the order the user sees it: value cells
// written one by one (by control name, e.g. "EEP3" or "EEPT"), and the messages it shows on
// its way. A screen writes the cells and shows the dialogs; a tool without a screen records
// them. An error that stops the calculation is raised as CalcError after the cells already
// written, so both see exactly the rows that were completed.
class CalcOutput
{
public:
    virtual ~CalcOutput() = default;
    virtual void cell(const QString &name, const QString &text) = 0;
    // A message box captioned "ATENCIÓN" with an OK button.
    virtual void atencion(const QString &text) = 0;
    // The hemisphere error dialog (buttons Yes and No; the answer is ignored).
    virtual void hemisphere(const QString &text) = 0;

    // prefix1..prefixN from the texts.
    void row(const QString &prefix, const QStringList &texts)
    {
        for (int k = 0; k < texts.size(); ++k)
            cell(prefix + QString::number(k + 1), texts.at(k));
    }
};

} // namespace verdeval
