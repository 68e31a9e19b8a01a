#include "QtWarnings.h"
#include "location/calc/Catalogue.h"

#include <QtTest>

using namespace verdeval;

namespace {

QString row(const std::array<double, 12> &values)
{
    return catalogueSeriesTexts(values).join(QLatin1Char(' '));
}

QString position(const CatalogueRecord &r)
{
    return QStringLiteral("%1 %2 %3 | %4 %5 | %6")
        .arg(r.latDeg, r.latMin, r.hemisphere, r.lonDeg, r.lonMin, r.altitude);
}

const QString twelveZeros = QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0");

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void records_data();
    void records();
    void missingValuesStayEmpty();
    void emptyAltitudes_data();
    void emptyAltitudes();
    void provinceList();
    void stationLists_data();
    void stationLists();
    void everyListEntryLoadsARecord();
    void cordobaEntryLoadsTheAirportStation();
    void lookupIsExact_data();
    void lookupIsExact();
    void hasMonthlyNormals_data();
    void hasMonthlyNormals();
    void size();
};

// Whole records as the location shows them: name, position, and both series in the general
// number format.
void TestCatalogue::records_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("pp");
    QTest::addColumn<QString>("t");

    // The five rows the catalogue has always shown, to the digit.
    QTest::newRow("Azul") << "Azul" << "Azul" << "36 45 S | 59 50 | 132"
                          << "140.9 95.3 132.3 65.3 62.8 32.9 38 43.7 66.1 113.3 105.3 103"
                          << "22 21.1 17.7 14 9.9 7.5 7.1 8.8 10.7 14.1 17.2 20.2";
    QTest::newRow("Abra Pampa") << "Abra Pampa" << "Abra Pampa" << "22 50 S | 65 51 | 3484"
                                << "94.3 89.4 79.7 8.1 0 0 0 0.2 0.9 7.6 35.8 71.9"
                                << "13 11.9 12 9.5 4.8 2.1 1.9 5.3 8.2 10.9 12.3 12.9";
    QTest::newRow("Dolores") << "Dolores" << "Dolores" << "36 21 S | 57 44 | "
                             << "123 101 85 48 52 55 58 51 53 87 83 95"
                             << "21.5 20.5 18.5 14.8 11.4 8.7 8.6 9.4 11.9 14.6 17 20.2";
    // Neuquén and Perito Moreno keep their position; their series are the stations' own
    // normals (these rows used to carry placeholders: zeros, and Neuquén's mean minima).
    QTest::newRow("Neuquén, unlisted") << "Neuquén" << "Neuquén" << "38 57 S | 68 8 | 271"
                                       << "12.9 11.9 23.6 15.3 21.1 23.5 15.9 11.4 19.3 20.3 14.5 11.2"
                                       << "23.7 22.3 18.9 13.4 9.2 6.6 5.8 8.1 11.4 15.6 19.4 22.4";
    QTest::newRow("Perito Moreno, no precipitation data") << "Perito Moreno" << "Perito Moreno" << "46 31 S | 71 1 | 429"
                                             << "           " << "15.4 15 12.2 8.6 5.1 2.3 1.7 3.6 6.1 9.2 11.8 14.1";

    // From the station data: whole values lose their ".0" (22.0 -> 22, 141.0 -> 141).
    QTest::newRow("Bahía Blanca") << "Bahía Blanca" << "Bahía Blanca" << "38 44 S | 62 10 | 83"
                                  << "67.1 67.1 75.2 54.5 41.2 31.5 31.1 34.5 51.6 73.3 56.8 67.3"
                                  << "23.6 22.1 19.4 14.9 11.1 8.1 7.5 9.4 11.6 15.1 18.7 22";
    QTest::newRow("Córdoba Aero, unlisted with precipitation")
        << "Córdoba Aero" << "Córdoba Aero" << "31 18 S | 64 12 | 495"
        << "141 115.9 126.9 66.3 21.3 4.8 13.5 9.7 35.2 71.9 118.3 156.9"
        << "23.4 22.2 20.7 17.2 13.7 10.7 10 12.5 14.9 18.6 20.9 22.9";
    QTest::newRow("Laboulaye, unlisted with precipitation")
        << "Laboulaye" << "Laboulaye" << "34 8 S | 63 22 | 137"
        << "120.7 105.7 138.8 83.4 36 11.7 17.6 17.2 47.3 91 105 128.7"
        << "23.1 21.9 19.9 15.8 12.2 8.9 8.1 10.2 12.8 16.6 19.6 22.2";

    // Unlisted records carry the stations' own normals where the data has them, never zeros
    // standing in for a missing series.
    QTest::newRow("Bariloche, unlisted") << "Bariloche" << "Bariloche" << "41 9 S | 71 10 | 840"
                                         << "20 15.3 35.2 58.9 130.1 170.1 122.1 101.4 56.5 49.4 29.3 23.4"
                                         << "15 14.8 11.9 7.9 4.9 2.9 2.1 3 5.1 8 10.8 13.5";
    QTest::newRow("Tinogasta, unlisted") << "Tinogasta" << "Tinogasta" << "28 4 S | 67 34 | 1201"
                                         << "37.4 27 17.9 6.2 3.1 2.5 2 1.2 1.5 4.9 8 21.3"
                                         << "25.6 24.4 22.9 18.3 13.5 10.3 10 13.2 16.2 21.3 23.9 25.9";
    QTest::newRow("Puerto Deseado, no precipitation data")
        << "Puerto Deseado" << "Puerto Deseado" << "47 44 S | 65 55 | 80" << "           "
        << "16.4 15.6 13.8 10.5 7.2 4.3 3.5 5.2 7.3 10.3 13.1 15.1";

    // Records whose shown name differs from their key.
    QTest::newRow("Córdoba Obs") << "Córdoba Obs" << "Córdoba Obs." << "31 24 S | 64 11 | 425"
                                 << "126.3 97 112.1 61.3 18.8 4.5 13.3 8.9 35.2 69.8 112.2 154.6"
                                 << "24.3 23.1 21.7 18 14.5 11.4 10.8 13.3 15.7 19.5 21.8 23.7";
    QTest::newRow("Gualeguaychú Exp") << "Gualeguaychú Exp" << "Gualeguaychu Exp" << "  S |   | "
                                      << "           " << "           ";
}

void TestCatalogue::records()
{
    QFETCH(QString, key);
    QFETCH(QString, shownName);
    QFETCH(QString, position);
    QFETCH(QString, pp);
    QFETCH(QString, t);

    const CatalogueRecord *r = findStation(key);
    QVERIFY(r);
    QCOMPARE(r->key, key);
    QCOMPARE(r->shownName, shownName);
    QCOMPARE(::position(*r), position);
    QCOMPARE(row(r->pp), pp);
    QCOMPARE(row(r->t), t);
}

// A month the station data has no value for is an empty text, never a neighbour's value or 0.
void TestCatalogue::missingValuesStayEmpty()
{
    const CatalogueRecord *chilecito = findStation(QStringLiteral("Chilecito"));
    QVERIFY(chilecito);
    QCOMPARE(catalogueSeriesTexts(chilecito->pp),
             QStringList({"", "32", "", "11.7", "3.7", "1.2", "2.3", "", "2.2", "5.4", "", ""}));

    const CatalogueRecord *obera = findStation(QStringLiteral("Oberá"));
    QVERIFY(obera);
    QCOMPARE(catalogueSeriesTexts(obera->t),
             QStringList({"", "", "23.3", "20.7", "16.9", "15.7", "", "", "18.8", "21.1", "22.9", "24.7"}));

    // No position found for this station and no series either.
    const CatalogueRecord *laprida = findStation(QStringLiteral("Laprida"));
    QVERIFY(laprida);
    QCOMPARE(position(*laprida), QStringLiteral("  S |   | "));
    QCOMPARE(catalogueSeriesTexts(laprida->pp), QStringList(12, QString()));
}

void TestCatalogue::emptyAltitudes_data()
{
    QTest::addColumn<QString>("key");
    for (const char *key : {"Dolores", "Villa M del Río Seco", "El Cadillal", "Macachin", "Chilecito",
                            "Colonia Alvear", "La Consulta", "Puente del Inca", "Cabo Vírgenes"})
        QTest::newRow(key) << QString::fromUtf8(key);
}

void TestCatalogue::emptyAltitudes()
{
    QFETCH(QString, key);
    const CatalogueRecord *r = findStation(key);
    QVERIFY(r);
    QCOMPARE(r->altitude, QString());
}

void TestCatalogue::provinceList()
{
    QCOMPARE(catalogueProvinces().join(QLatin1Char('|')),
             QStringLiteral("Buenos Aires|Catamarca|Chaco|Chubut|Córdoba|Corrientes|Entre Ríos|Formosa|"
                            "Jujuy|La Pampa|La Rioja|Mendoza|Misiones|Salta|San Juan|San Luis|Santa Cruz|"
                            "Santa Fé|Santiago del Estero|Tucumán|DATOS PROPIOS"));
}

void TestCatalogue::stationLists_data()
{
    QTest::addColumn<QString>("province");
    QTest::addColumn<QString>("stations");
    QTest::newRow("Buenos Aires")
        << "Buenos Aires"
        << "Azul|Bahía Blanca|Balcarce|Bolívar|Bordenave|Castelar|Cnel Suarez|Dolores|Don Torcuato|"
           "El Palomar|Ezeiza|Faro El Rincón|Faro Segunda Barranca|Hilario Ascasubi|Isla Martín García|"
           "Junín|La Plata|Laprida|Mar del Plata|Nueve de Julio|Pehuajó|Pergamino|Pigue|Punta Indio|"
           "San Pedro|Tandil|Trenque Lauquen|Tres Arroyos|Aeroparque|Capital Federal";
    QTest::newRow("Córdoba") << "Córdoba"
                             << "Córdoba|Manfredi|Marcos Juárez Aero|Pilar|Río Cuarto|Villa Dolores|"
                                "Villa M del Río Seco";
    QTest::newRow("Entre Ríos") << "Entre Ríos"
                                << "Concepción del Uruguay|Concordia|Gualeguaychú Exp|Gualeguaychú Aero|"
                                   "Paraná Aero|Salto Grande|Villaguay";
    QTest::newRow("Mendoza") << "Mendoza"
                             << "Chacras de Coria|Malargue|Mendoza Aero|Rama Caída|San Carlos|San Martín|"
                                "San Rafael|Colonia Alvear|La Consulta|Puente del Inca|Uspallata";
    QTest::newRow("Santa Fé") << "Santa Fé" << "Ceres|Oliveros|Rafaela|Reconquista|Rosario|Sauce Viejo|Zavalla";
    QTest::newRow("San Juan") << "San Juan" << "San Juan Aero";
    QTest::newRow("own data") << "DATOS PROPIOS" << "";
    QTest::newRow("other spelling") << "Santa Fe" << "";
    QTest::newRow("other case") << "córdoba" << "";
    QTest::newRow("part of a name") << "Buenos" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("not a catalogue province") << "Neuquén" << "";
}

void TestCatalogue::stationLists()
{
    QFETCH(QString, province);
    QFETCH(QString, stations);
    QCOMPARE(stationsOfProvince(province).join(QLatin1Char('|')), stations);
}

// Every entry the user can pick loads a record; no record at all has twelve zeros standing in
// for a series it lacks.
void TestCatalogue::everyListEntryLoadsARecord()
{
    int entries = 0;
    for (const QString &province : catalogueProvinces()) {
        for (const QString &station : stationsOfProvince(province)) {
            ++entries;
            const CatalogueRecord *r = findStation(station);
            QVERIFY2(r, qPrintable(station));
            QVERIFY2(row(r->pp) != twelveZeros, qPrintable(station));
        }
    }
    QCOMPARE(entries, 114);
    for (int i = 0; i < catalogueSize(); ++i) {
        const CatalogueRecord &r = catalogueRecord(i);
        QVERIFY2(row(r.pp) != twelveZeros && row(r.t) != twelveZeros, qPrintable(r.key));
    }
}

void TestCatalogue::cordobaEntryLoadsTheAirportStation()
{
    const CatalogueRecord *entry = findStation(QStringLiteral("Córdoba"));
    QVERIFY(entry);
    QCOMPARE(entry, findStation(QStringLiteral("Córdoba Aero")));
    QCOMPARE(entry->shownName, QStringLiteral("Córdoba Aero"));
    QCOMPARE(position(*entry), QStringLiteral("31 18 S | 64 12 | 495"));
    QVERIFY(stationsOfProvince(QStringLiteral("Córdoba")).contains(QStringLiteral("Córdoba")));
}

void TestCatalogue::lookupIsExact_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lower case") << "azul";
    QTest::newRow("upper case") << "AZUL";
    QTest::newRow("part of a name") << "Azu";
    QTest::newRow("trailing blank") << "Azul ";
    QTest::newRow("leading blank") << " Azul";
    QTest::newRow("empty") << "";
    QTest::newRow("without accent") << "Cordoba";
    QTest::newRow("list entry in lower case") << "córdoba";
    QTest::newRow("part of the list entry") << "Córdob";
    QTest::newRow("part of an unlisted key") << "Neuqu";
    QTest::newRow("shown name, not a key") << "Córdoba Obs.";
    QTest::newRow("other shown name") << "Gualeguaychu Exp";
    QTest::newRow("province") << "Buenos Aires";
    QTest::newRow("own data") << "DATOS PROPIOS";
}

void TestCatalogue::lookupIsExact()
{
    QFETCH(QString, text);
    QCOMPARE(findStation(text), nullptr);
}

void TestCatalogue::hasMonthlyNormals_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("expected");
    QTest::newRow("fixed row") << "Azul" << true;
    QTest::newRow("station data") << "Junín" << true;
    QTest::newRow("real zeros are values") << "Abra Pampa" << true;
    QTest::newRow("temperature only") << "Perito Moreno" << false;
    QTest::newRow("no data at all") << "Pontón Prácticos Recalada" << false;
    QTest::newRow("no data, INTA station") << "San Juan Inta" << false;
    QTest::newRow("precipitation incomplete") << "Chilecito" << false;
    QTest::newRow("both incomplete") << "Oberá" << false;
}

void TestCatalogue::hasMonthlyNormals()
{
    QFETCH(QString, key);
    QFETCH(bool, expected);
    const CatalogueRecord *r = findStation(key);
    QVERIFY(r);
    QCOMPARE(verdeval::hasMonthlyNormals(*r), expected);
}

void TestCatalogue::size()
{
    QCOMPARE(catalogueSize(), 140);
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
