#include "app/VerdevalApp.h"

#include "app/Unit1.h"
#include "app/UnitBarraProgreso.h"
#include "app/UnitInicial.h"
#include "climatogram/UnitClimatograma.h"
#include "climatogram/UnitReporteClimatograma.h"
#include "evapotranspiration/UnitETPExpre.h"
#include "evapotranspiration/UnitEpotencial.h"
#include "evapotranspiration/UnitGraficoETP.h"
#include "evapotranspiration/UnitInformacionNecesaria.h"
#include "evapotranspiration/UnitIngresoInformacion.h"
#include "evapotranspiration/UnitReporte.h"
#include "location/UnitIngresoDatosGenericos.h"
#include "radiation/UnitHeFo.h"
#include "radiation/UnitIngresoInformacionRadiacion.h"
#include "radiation/UnitReporteHelofania.h"
#include "radiation/UnitReporteRadiacion.h"
#include "thermal/UnitHF.h"
#include "thermal/UnitReporteHFrio.h"
#include "thermal/UnitReporteSumaT.h"
#include "thermal/UnitSumaTemp.h"
#include "waterbalance/UnitBHC.h"
#include "waterbalance/UnitFBHCGraf.h"
#include "waterbalance/UnitReporteBHC.h"

namespace verdeval {

template <class T>
T *VerdevalApp::create()
{
    auto screen = std::make_unique<T>(*this);
    T *raw = screen.get();
    m_order.push_back(raw);
    m_owned.push_back(std::move(screen));
    return raw;
}

VerdevalApp::VerdevalApp(std::unique_ptr<DialogBackend> backend)
    : m_dialogs(backend ? std::move(backend) : std::make_unique<WidgetDialogBackend>())
{
    m_FInicial = create<TFInicial>();
    m_FIndice = create<TFIndice>();
    m_FEtpInformacion = create<TFEtpInformacion>();
    m_FIngresoInformacion = create<TFIngresoInformacion>();
    m_GraficoETP = create<TGraficoETP>();
    m_Form2 = create<TForm2>();
    m_FEPotencial = create<TFEPotencial>();
    m_FIngresoInformacionRadiacion = create<TFIngresoInformacionRadiacion>();
    m_FBHC = create<TFBHC>();
    m_FHeFo = create<TFHeFo>();
    m_FBHCGraf = create<TFBHCGraf>();
    m_FIngresoDatosGenericos = create<TFIngresoDatosGenericos>();
    m_Form3 = create<TForm3>();
    m_Form4 = create<TForm4>();
    m_Form5 = create<TForm5>();
    m_FHF = create<TFHF>();
    m_FST = create<TFST>();
    m_Form6 = create<TForm6>();
    m_FClimatograma = create<TFClimatograma>();
    m_Form7 = create<TForm7>();
    m_FEtpExp = create<TFEtpExp>();
    m_Form8 = create<TForm8>();
    m_Form9 = create<TForm9>();

    m_FIngresoDatosGenericos->setOnConfirmed([this](const TDatosLocalidad &place) { m_FIndice->setPlace(place); });
}

VerdevalApp::~VerdevalApp()
{
    // Destroy in reverse order of creation; no handler may run while screens go away.
    m_terminated = true;
    for (Screen *s : m_order)
        s->blockSignals(true);
    while (!m_owned.empty())
        m_owned.pop_back();
}

void VerdevalApp::start() { m_FInicial->present(); }

void VerdevalApp::terminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    for (Screen *s : m_order)
        s->hide();
    emit terminated();
}

void VerdevalApp::showIndex() { m_FIndice->present(); }

void VerdevalApp::endProgram() { m_FInicial->closeScreen(); }

Screen *VerdevalApp::screenOfType(const QMetaObject &type) const
{
    for (Screen *s : m_order)
        if (s->metaObject() == &type)
            return s;
    return nullptr;
}

Screen *VerdevalApp::screen(const QString &className) const
{
    for (Screen *s : m_order)
        if (s->objectName() == className)
            return s;
    return nullptr;
}

} // namespace verdeval
