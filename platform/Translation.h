#pragma once

class QCoreApplication;

namespace verdeval {

// Loads Qt's own Spanish texts (standard buttons of message boxes, the print preview and the
// print dialog), so that the whole program speaks Spanish. Returns false when the translation
// is not installed; the program then runs with Qt's English texts.
bool installSpanishQtTexts(QCoreApplication &app);

} // namespace verdeval
