#pragma once

#include <QRegularExpression>
#include <QtTest>

namespace verdeval::test {

// Makes every Qt warning raised during the running test function a failure of that function,
// so that, for example, a control looked up by a wrong name cannot pass unnoticed. Called from
// each test class's init(). The offscreen platform's own notes on what it cannot do for a window
// ("This plugin does not support raise()", size hints, keyboard grabs) say nothing about the
// program and are let through.
inline void failOnQtWarnings()
{
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
}

} // namespace verdeval::test
