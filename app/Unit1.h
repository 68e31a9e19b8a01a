#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/Screen.h"

#include <memory>

namespace verdeval {

namespace kit {
class ChangeCombo;
class ClickLabel;
} // namespace kit
class ClimateDatabase;
class DriveMap;

// The index screen: the data-source choice, the location it leads to, and the menu of the
// seven calculation modules, each of which receives its part of the location as texts.
class TFIndice : public Screen
{
    Q_OBJECT

public:
    explicit TFIndice(ScreenHost &host);
    ~TFIndice() override;

    TDatosLocalidad &DatosLocalidad() { return m_loc; }
    const TDatosLocalidad &DatosLocalidad() const { return m_loc; }
    // Shows the location's name, coordinates and altitude in the read-only boxes.
    void showLocation();
    // A place from any source becomes the whole location record, and is shown.
    void setPlace(const TDatosLocalidad &place);

    // Where drive letters lead to the climate database file; tests point it elsewhere.
    void setDriveMap(const DriveMap &drives);
    // The open climate database, or nullptr.
    const ClimateDatabase *database() const;

    // Data source and lists.
    void ComboBox3Change();
    void ComboBox2Change();
    void combobox1Change();
    void CBProvChange();
    void cblocChange();

    // The seven module launchers.
    void Label1Click();
    void Label6Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();
    void Label16Click();

    void BCerrarClick();

private:
    // Hands the place to the module, shows the module (or the screen that leads to it) and
    // hides the index.
    template <class Module>
    void launch(Module &module, Screen &shown);
    template <class Module>
    void launch(Module &module) { launch(module, module); }
    void hideLists();
    void showLists(QWidget *provinces, QWidget *localities);
    void openDatabase(const QString &drive);
    void disconnectDatabase();
    void loadPlace();

    TDatosLocalidad m_loc;
    std::unique_ptr<DriveMap> m_driveMap;
    std::unique_ptr<ClimateDatabase> m_db;
    kit::ChangeCombo *m_source = nullptr;
    kit::ChangeCombo *m_provinces = nullptr;
    kit::ChangeCombo *m_stations = nullptr;
    kit::ChangeCombo *m_dbProvinces = nullptr;
    kit::ChangeCombo *m_dbLocalities = nullptr;
    QWidget *m_note = nullptr;
    QWidget *m_provinceCaption = nullptr;
    QWidget *m_localityCaption = nullptr;

protected:
    void build() override;
};

} // namespace verdeval
