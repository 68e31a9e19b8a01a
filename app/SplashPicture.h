#pragma once

#include <QWidget>

namespace verdeval {

// The picture in the middle of the splash screen: a field under the sun with a rain gauge and
// a thermometer, drawn by the program itself.
class SplashPicture : public QWidget
{
    Q_OBJECT
public:
    explicit SplashPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace verdeval
