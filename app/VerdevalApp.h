#pragma once

#include "platform/Dialogs.h"
#include "platform/ScreenHost.h"

#include <QObject>
#include <memory>
#include <vector>

namespace verdeval {

class Screen;
class TFInicial;
class TFIndice;
class TFEtpInformacion;
class TFIngresoInformacion;
class TGraficoETP;
class TForm2;
class TFEPotencial;
class TFIngresoInformacionRadiacion;
class TFBHC;
class TFHeFo;
class TFBHCGraf;
class TFIngresoDatosGenericos;
class TForm3;
class TForm4;
class TForm5;
class TFHF;
class TFST;
class TForm6;
class TFClimatograma;
class TForm7;
class TFEtpExp;
class TForm8;
class TForm9;

// The application object: it creates the 23 screens at start-up, in their fixed order, owns
// them and the dialog seam, and lets every screen reach every other. Several can exist side by
// side (each test builds a fresh one); nothing of it is global.
class VerdevalApp : public QObject, public ScreenHost
{
    Q_OBJECT

public:
    // Uses the given dialog backend (real dialogs when none is given).
    explicit VerdevalApp(std::unique_ptr<DialogBackend> backend = nullptr);
    ~VerdevalApp() override;

    Dialogs &dialogs() override { return m_dialogs; }
    void showIndex() override;
    void endProgram() override;
    Screen *screenOfType(const QMetaObject &type) const override;

    // Shows the splash screen, maximised.
    void start();
    // Ends the program: hides every screen and signals terminated().
    void terminate();
    bool isTerminated() const { return m_terminated; }

    const std::vector<Screen *> &screens() const { return m_order; }
    Screen *screen(const QString &className) const;

    TFInicial &FInicial() const { return *m_FInicial; }
    TFIndice &FIndice() const { return *m_FIndice; }
    TFEtpInformacion &FEtpInformacion() const { return *m_FEtpInformacion; }
    TFIngresoInformacion &FIngresoInformacion() const { return *m_FIngresoInformacion; }
    TGraficoETP &GraficoETP() const { return *m_GraficoETP; }
    TForm2 &Form2() const { return *m_Form2; }
    TFEPotencial &FEPotencial() const { return *m_FEPotencial; }
    TFIngresoInformacionRadiacion &FIngresoInformacionRadiacion() const { return *m_FIngresoInformacionRadiacion; }
    TFBHC &FBHC() const { return *m_FBHC; }
    TFHeFo &FHeFo() const { return *m_FHeFo; }
    TFBHCGraf &FBHCGraf() const { return *m_FBHCGraf; }
    TFIngresoDatosGenericos &FIngresoDatosGenericos() const { return *m_FIngresoDatosGenericos; }
    TForm3 &Form3() const { return *m_Form3; }
    TForm4 &Form4() const { return *m_Form4; }
    TForm5 &Form5() const { return *m_Form5; }
    TFHF &FHF() const { return *m_FHF; }
    TFST &FST() const { return *m_FST; }
    TForm6 &Form6() const { return *m_Form6; }
    TFClimatograma &FClimatograma() const { return *m_FClimatograma; }
    TForm7 &Form7() const { return *m_Form7; }
    TFEtpExp &FEtpExp() const { return *m_FEtpExp; }
    TForm8 &Form8() const { return *m_Form8; }
    TForm9 &Form9() const { return *m_Form9; }

signals:
    void terminated();

private:
    template <class T>
    T *create();

    Dialogs m_dialogs;
    std::vector<std::unique_ptr<Screen>> m_owned;
    std::vector<Screen *> m_order;
    bool m_terminated = false;

    TFInicial *m_FInicial = nullptr;
    TFIndice *m_FIndice = nullptr;
    TFEtpInformacion *m_FEtpInformacion = nullptr;
    TFIngresoInformacion *m_FIngresoInformacion = nullptr;
    TGraficoETP *m_GraficoETP = nullptr;
    TForm2 *m_Form2 = nullptr;
    TFEPotencial *m_FEPotencial = nullptr;
    TFIngresoInformacionRadiacion *m_FIngresoInformacionRadiacion = nullptr;
    TFBHC *m_FBHC = nullptr;
    TFHeFo *m_FHeFo = nullptr;
    TFBHCGraf *m_FBHCGraf = nullptr;
    TFIngresoDatosGenericos *m_FIngresoDatosGenericos = nullptr;
    TForm3 *m_Form3 = nullptr;
    TForm4 *m_Form4 = nullptr;
    TForm5 *m_Form5 = nullptr;
    TFHF *m_FHF = nullptr;
    TFST *m_FST = nullptr;
    TForm6 *m_Form6 = nullptr;
    TFClimatograma *m_FClimatograma = nullptr;
    TForm7 *m_Form7 = nullptr;
    TFEtpExp *m_FEtpExp = nullptr;
    TForm8 *m_Form8 = nullptr;
    TForm9 *m_Form9 = nullptr;
};

} // namespace verdeval
