#include "app/Unit1.h"

#include "app/UnitBarraProgreso.h"
#include "climatogram/UnitClimatograma.h"
#include "evapotranspiration/UnitEpotencial.h"
#include "evapotranspiration/UnitIngresoInformacion.h"
#include "location/ClimateDatabase.h"
#include "location/DriveMap.h"
#include "location/LocalityLoad.h"
#include "location/UnitIngresoDatosGenericos.h"
#include "location/calc/Catalogue.h"
#include "platform/Widgets.h"
#include "platform/core/NumberText.h"
#include "radiation/UnitHeFo.h"
#include "radiation/UnitIngresoInformacionRadiacion.h"
#include "thermal/UnitHF.h"
#include "thermal/UnitSumaTemp.h"
#include "waterbalance/UnitBHC.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

TFIndice::TFIndice(ScreenHost &host)
    : Screen(host, "TFIndice", QStringLiteral("Índice")),
      m_driveMap(std::make_unique<DriveMap>(DriveMap::forThisSystem()))
{
}

void TFIndice::build()
{
    // Heading: institution lines, credit line and "&Cerrar".
    auto *top = new QHBoxLayout();
    auto *lines = new QVBoxLayout();
    auto *inst1 = kit::heading(QStringLiteral("Verdeval"), 20, this);
    inst1->setObjectName(QStringLiteral("Label7"));
    auto *inst2 = kit::heading(QStringLiteral("Cálculos de climatología agrícola"), 14, this);
    inst2->setObjectName(QStringLiteral("Label8"));
    auto *credit = kit::caption(
        QStringLiteral("Herramienta de cálculo y enseñanza: radiación, evapotranspiración, balance de agua e índices térmicos"),
        false, this);
    credit->setObjectName(QStringLiteral("Label10"));
    credit->setAlignment(Qt::AlignCenter);
    lines->addWidget(inst1);
    lines->addWidget(inst2);
    lines->addWidget(credit);
    top->addSpacing(90);
    top->addLayout(lines, 1);
    auto *cerrar = kit::button(QStringLiteral("BCerrar"), QStringLiteral("&Cerrar"), this);
    top->addWidget(cerrar, 0, Qt::AlignTop);
    body()->addLayout(top);
    body()->addSpacing(8);

    // Data source and selection lists. The catalogue lists and the database lists occupy the
    // same places; at most one pair is visible.
    m_source = new kit::ChangeCombo(QStringLiteral("ComboBox3"), QStringLiteral("Seleccione la base de datos a trabajar"), this);
    m_source->addItems({"CD", "C", "D", "E", "F", "G"});
    m_source->setCurrentIndex(-1);
    m_source->setEditText(QString());
    m_provinces = new kit::ChangeCombo(QStringLiteral("ComboBox2"),
                                       QStringLiteral("Seleccione la provincia con la que quiere trabajar"), this);
    m_provinces->replaceItems(catalogueProvinces());
    m_stations = new kit::ChangeCombo(QStringLiteral("combobox1"),
                                      QStringLiteral("Seleccione la localidad con la que quiere trabajar"), this);
    m_dbProvinces = new kit::ChangeCombo(QStringLiteral("CBProv"), QStringLiteral("Seleccione la provincia a trabajar"), this);
    m_dbLocalities = new kit::ChangeCombo(QStringLiteral("cbloc"), QStringLiteral("Seleccione la localidad a trabajar"), this);
    auto *note = kit::caption(QStringLiteral("Importante:  En caso de utilizar los Datos Propios deberá seleccionar DATOS "
                                             "PROPIOS en el cuadro de selección de provincia."),
                              true, this);
    note->setObjectName(QStringLiteral("Label9"));
    note->setWordWrap(true);
    m_note = note;

    auto *lists = new QGridLayout();
    lists->setHorizontalSpacing(10);
    lists->addWidget(kit::caption(QStringLiteral("Base de datos:"), true, this), 0, 0);
    lists->addWidget(m_source, 0, 1);
    m_provinceCaption = kit::caption(QStringLiteral("Provincia:"), true, this);
    m_localityCaption = kit::caption(QStringLiteral("Localidad:"), true, this);
    lists->addWidget(m_provinceCaption, 1, 0);
    lists->addWidget(m_provinces, 1, 1);
    lists->addWidget(m_dbProvinces, 1, 1);
    lists->addWidget(m_localityCaption, 2, 0);
    lists->addWidget(m_stations, 2, 1);
    lists->addWidget(m_dbLocalities, 2, 1);
    lists->addWidget(note, 3, 0, 1, 2);
    lists->setColumnStretch(2, 1);
    // The rows keep their place when the lists of a mode show or hide, so nothing above or
    // beside them moves.
    for (QWidget *w : {static_cast<QWidget *>(m_provinces), static_cast<QWidget *>(m_stations),
                       static_cast<QWidget *>(m_dbProvinces), static_cast<QWidget *>(m_dbLocalities),
                       static_cast<QWidget *>(note), m_provinceCaption, m_localityCaption}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    hideLists();

    // The location, read-only.
    QGridLayout *place = kit::placeGrid(this, true);

    auto *middle = new QHBoxLayout();
    middle->addLayout(lists, 3);
    middle->addSpacing(24);
    middle->addLayout(place, 2);
    body()->addLayout(middle);
    body()->addSpacing(12);

    // The module menu.
    auto *menuTitle = kit::heading(QStringLiteral("Módulos de cálculo"), 13, this);
    menuTitle->setAlignment(Qt::AlignLeft);
    body()->addWidget(menuTitle);
    struct Entry {
        const char *name;
        const char *text;
        void (TFIndice::*handler)();
    };
    const Entry menu[] = {
        {"Label1", "1) RADIACIÓN ASTRONÓMICA - RADIACIÓN GLOBAL", &TFIndice::Label1Click},
        {"Label6", "2) HELIOFANÍA ASTRONÓMICA - FOTOPERÍODO", &TFIndice::Label6Click},
        {"Label2", "3) EVAPOTRANSPIRACIÓN POTENCIAL", &TFIndice::Label2Click},
        {"Label3", "4) BALANCE DE AGUA EN EL SUELO", &TFIndice::Label3Click},
        {"Label4", "5) HORAS DE FRÍO", &TFIndice::Label4Click},
        {"Label5", "6) SUMA DE TEMPERATURA", &TFIndice::Label5Click},
        {"Label16", "7) CLIMATOGRAMA", &TFIndice::Label16Click},
    };
    for (const Entry &e : menu) {
        auto *link = new kit::ClickLabel(QString::fromLatin1(e.name), QString::fromUtf8(e.text), this);
        QFont f = link->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 2);
        link->setFont(f);
        link->setContentsMargins(24, 4, 0, 4);
        body()->addWidget(link);
        onClick(link, e.handler);
    }
    body()->addStretch(1);
    auto *dataNote = kit::caption(QStringLiteral("Datos correspondientes al Servicio Meteorológico Nacional 1981-1990"),
                                  true, this);
    dataNote->setObjectName(QStringLiteral("Label11"));
    dataNote->setAlignment(Qt::AlignCenter);
    body()->addWidget(dataNote);

    onClick(cerrar, &TFIndice::BCerrarClick);
    // The first thing to do here is to choose where the data come from.
    m_source->setFocus();
    connect(m_source, &kit::ChangeCombo::changed, this, [this] { guard([this] { ComboBox3Change(); }); });
    connect(m_provinces, &kit::ChangeCombo::changed, this, [this] { guard([this] { ComboBox2Change(); }); });
    connect(m_stations, &kit::ChangeCombo::changed, this, [this] { guard([this] { combobox1Change(); }); });
    connect(m_dbProvinces, &kit::ChangeCombo::changed, this, [this] { guard([this] { CBProvChange(); }); });
    connect(m_dbLocalities, &kit::ChangeCombo::changed, this, [this] { guard([this] { cblocChange(); }); });
}

TFIndice::~TFIndice() = default;

void TFIndice::showLocation()
{
    setText(QStringLiteral("EEstacion"), m_loc.EEstacion);
    setText(QStringLiteral("EGrados"), m_loc.EGrados);
    setText(QStringLiteral("EMinutos"), m_loc.EMinutos);
    setText(QStringLiteral("EHemisferio"), m_loc.EHemisferio);
    setText(QStringLiteral("EGradosL"), m_loc.EGradosL);
    setText(QStringLiteral("EMinutosL"), m_loc.EMinutosL);
    setText(QStringLiteral("EAltitud"), m_loc.EAltitud);
}

void TFIndice::setPlace(const TDatosLocalidad &place)
{
    m_loc = place;
    showLocation();
}

// ---- Data source -----------------------------------------------------------------------

void TFIndice::ComboBox3Change()
{
    ensureBuilt();
    disconnectDatabase();
    hideLists();
    m_stations->clearAll();
    m_loc.clearShown();
    showLocation();

    const QString source = m_source->currentText();
    if (source == QLatin1String("CD")) {
        showLists(m_provinces, m_stations);
        m_note->show();
    } else if (source.size() == 1 && QStringLiteral("CDEFG").contains(source)) {
        openDatabase(source);
    }
}

void TFIndice::setDriveMap(const DriveMap &drives) { *m_driveMap = drives; }

const ClimateDatabase *TFIndice::database() const { return m_db && m_db->isOpen() ? m_db.get() : nullptr; }

void TFIndice::hideLists()
{
    for (QWidget *w : {static_cast<QWidget *>(m_provinces), static_cast<QWidget *>(m_stations),
                       static_cast<QWidget *>(m_dbProvinces), static_cast<QWidget *>(m_dbLocalities), m_note,
                       m_provinceCaption, m_localityCaption})
        w->hide();
}

void TFIndice::showLists(QWidget *provinces, QWidget *localities)
{
    for (QWidget *w : {provinces, localities, m_provinceCaption, m_localityCaption})
        w->show();
}

void TFIndice::disconnectDatabase() { m_db.reset(); }

// ---- Built-in catalogue ----------------------------------------------------------------

void TFIndice::ComboBox2Change()
{
    ensureBuilt();
    m_stations->clearAll();
    m_loc.clearShown();
    showLocation();

    const QString province = m_provinces->currentText();
    if (province == QLatin1String("DATOS PROPIOS")) {
        dialogs().atencion(this, QStringLiteral("Debe ingresar los datos en los cuadros de precipitación y "
                                                      "temperatura, utilizando el punto como separador decimal."));
        dialogs().showModal(this, peer<TFIngresoDatosGenericos>());
        return;
    }
    m_stations->replaceItems(stationsOfProvince(province));
}

void TFIndice::combobox1Change()
{
    ensureBuilt();
    const CatalogueRecord *record = findStation(m_stations->currentText());
    if (!record)
        return;
    // A new place replaces the whole record: the series the catalogue does not have are
    // empty, never the previous place's.
    setPlace(placeFromCatalogue(*record));
    if (!hasMonthlyNormals(*record))
        dialogs().atencion(
            this, QStringLiteral("El catálogo incorporado no tiene las normales mensuales de precipitación y temperatura "
                                 "de esta estación. Puede ingresar los valores en los cuadros de cada módulo."));
}

// ---- Climate database ------------------------------------------------------------------

void TFIndice::openDatabase(const QString &drive)
{
    auto db = std::make_unique<ClimateDatabase>();
    db->openDrive(*m_driveMap, drive);
    m_db = std::move(db);
    showLists(m_dbProvinces, m_dbLocalities);
    m_dbProvinces->replaceItems(m_db->provinces());
}

void TFIndice::CBProvChange()
{
    ensureBuilt();
    if (!database())
        return;
    m_dbLocalities->replaceItems(m_db->localities(m_dbProvinces->currentText()));
}

void TFIndice::cblocChange()
{
    ensureBuilt();
    if (!database())
        return;
    loadPlace();
}

void TFIndice::loadPlace()
{
    TForm9 &wait = peer<TForm9>();
    QProgressBar *bar = wait.ProgressBar1();
    bar->setMaximum(100);
    bar->setValue(0); // every load shows its progress from the start
    bar->show();
    wait.present();

    // The waiting window closes however the load ends, and the index shows what was written.
    struct Finish {
        TFIndice *index;
        TForm9 &wait;
        ~Finish()
        {
            wait.closeScreen();
            index->showLocation();
        }
    } finish{this, wait};

    loadLocality(*m_db, m_dbProvinces->currentText(), m_dbLocalities->currentText(), m_loc, [&wait] { wait.StepIt(); });
    bar->hide();
}

// ---- Module launchers ------------------------------------------------------------------

template <class Module>
void TFIndice::launch(Module &module, Screen &shown)
{
    module.receive(m_loc);
    shown.present();
    closeScreen();
}

void TFIndice::Label1Click() { launch(peer<TFIngresoInformacionRadiacion>()); }
void TFIndice::Label6Click() { launch(peer<TFHeFo>()); }
// The evapotranspiration data go into the entry screen; the sub-menu is shown.
void TFIndice::Label2Click() { launch(peer<TFIngresoInformacion>(), peer<TFEPotencial>()); }

void TFIndice::Label3Click()
{
    // The annual precipitation is summed first; a bad month keeps the index open and EPPT as
    // it was.
    double sum = 0;
    for (int m = 1; m <= 12; ++m)
        sum += strToFloat(m_loc.PP[m]);
    m_loc.EPPT = floatToStr(sum);
    launch(peer<TFBHC>());
}

void TFIndice::Label4Click() { launch(peer<TFHF>()); }
void TFIndice::Label5Click() { launch(peer<TFST>()); }
void TFIndice::Label16Click() { launch(peer<TFClimatograma>()); }

void TFIndice::BCerrarClick() { closeScreen(); }

} // namespace verdeval
