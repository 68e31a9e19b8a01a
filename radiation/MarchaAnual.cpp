#include "radiation/MarchaAnual.h"

#include "output/Chart.h"

#include <QEvent>
#include <QLabel>

namespace verdeval::MarchaAnual {

void ejeDeFechas(Chart &chart, const QString &tituloInicial)
{
    ChartAxis &x = chart.bottomAxis();
    x.labels = ChartAxis::Labels::DateTime;
    x.dateFormat = QStringLiteral("MMM");
    x.increment = 30;
    x.title = QStringLiteral("Meses del año");
    titulo(chart, tituloInicial);
}

void titulo(Chart &chart, const QString &linea)
{
    chart.titleClear();
    chart.titleAdd(linea);
}

namespace {
void empezar(ChartSeries &serie, double junio)
{
    serie.Clear();
    serie.setMarksVisible(false);
    serie.setDateTime(true);
    serie.AddXY(inicioGrafico, junio);
}
} // namespace

void llenarFechas(ChartSeries &serie, const std::array<double, CalendarioAstronomico::cantidad> &valores)
{
    empezar(serie, valores[CalendarioAstronomico::cantidad - 1]);
    for (int k = 0; k < CalendarioAstronomico::cantidad; ++k)
        serie.AddXY(CalendarioAstronomico::fechas[k].X, valores[k]);
}

void llenarMeses(ChartSeries &serie, const std::array<double, CalendarioMensual::cantidad> &valores)
{
    empezar(serie, valores[CalendarioMensual::cantidad - 1]);
    for (int k = 0; k < CalendarioMensual::cantidad; ++k)
        serie.AddXY(CalendarioMensual::mes(k).X, valores[k]);
}

bool algunaVacia(const Screen &screen, const QString &prefix, int count)
{
    for (int k = 1; k <= count; ++k)
        if (screen.text(prefix, k).isEmpty())
            return true;
    return false;
}

void vaciarFila(Screen &screen, const QString &prefix, int count)
{
    for (int k = 1; k <= count; ++k)
        screen.setText(prefix, k, QString());
}

namespace {

// Lets the station caption wrap onto several lines only when the window is too narrow for the
// top row on one line.
class AjusteDeLeyenda : public QObject
{
public:
    AjusteDeLeyenda(QWidget *screen, QLabel *leyenda) : QObject(screen), m_screen(screen), m_leyenda(leyenda)
    {
        m_leyenda->setMinimumWidth(m_leyenda->fontMetrics().horizontalAdvance(QStringLiteral("Estación:")) + 4);
        screen->installEventFilter(this);
        ajustar();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_screen && event->type() == QEvent::Resize)
            ajustar();
        return false;
    }

private:
    void ajustar()
    {
        const bool estrecha = m_screen->width() < 1200;
        if (m_leyenda->wordWrap() != estrecha)
            m_leyenda->setWordWrap(estrecha);
    }

    QWidget *m_screen;
    QLabel *m_leyenda;
};

} // namespace

void compactarFilaSuperior(Screen &screen, QHBoxLayout *extra)
{
    if (auto *row = qobject_cast<QHBoxLayout *>(extra->parent()))
        row->setSpacing(4);
    if (QWidget *estacion = screen.control(QStringLiteral("EEstacion")))
        estacion->setMinimumWidth(120);
    const auto labels = screen.findChildren<QLabel *>();
    for (QLabel *l : labels)
        if (l->text() == QStringLiteral("Nombre de la Estación:")) {
            new AjusteDeLeyenda(&screen, l);
            break;
        }
}

} // namespace verdeval::MarchaAnual
