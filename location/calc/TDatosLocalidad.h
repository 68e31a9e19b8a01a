#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace verdeval {

// Twelve monthly texts, January to December, indexed 1 to 12.
class MonthlyTexts
{
public:
    QString &operator[](int month) { return m_values[month - 1]; }
    const QString &operator[](int month) const { return m_values[month - 1]; }
    QStringList list() const { return QStringList(m_values.begin(), m_values.end()); }
    void assign(const QStringList &texts)
    {
        for (int m = 1; m <= 12; ++m)
            (*this)[m] = m <= texts.size() ? texts.at(m - 1) : QString();
    }

private:
    std::array<QString, 12> m_values;
};

// The current location: one place with its coordinates, altitude, annual values and eight
// monthly series. Every field is text, exactly as its source produced it; the modules convert
// their own copies. The series are never cleared: a series that the latest source does not
// supply keeps the values of the last source that did.
struct TDatosLocalidad {
    QString EEstacion;
    QString EGrados;
    QString EMinutos;
    QString EHemisferio;
    QString EGradosL;
    QString EMinutosL;
    QString EAltitud;
    QString EPPT;
    QString ETT;

    MonthlyTexts PP;  // precipitation, mm
    MonthlyTexts T;   // mean temperature, °C
    MonthlyTexts TMa; // mean of the daily maxima, °C
    MonthlyTexts TMi; // mean of the daily minima, °C
    MonthlyTexts HE;  // effective heliophany, hours per day
    MonthlyTexts HR;  // relative humidity, %
    MonthlyTexts PA;  // atmospheric pressure, hPa
    MonthlyTexts VV;  // wind speed, km/h

    // Empties the nine fields shown on the index screen and the annual values; the series stay.
    void clearShown()
    {
        EEstacion.clear();
        EGrados.clear();
        EMinutos.clear();
        EHemisferio.clear();
        EGradosL.clear();
        EMinutosL.clear();
        EAltitud.clear();
        EPPT.clear();
        ETT.clear();
    }
};

} // namespace verdeval
