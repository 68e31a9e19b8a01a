#pragma once

#include <QWidget>

namespace verdeval {

// The two emblems of the report heading, drawn as vectors: a sun over a field, and a leaf.
class Emblem : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Sun, Leaf };
    Emblem(const QString &name, Kind kind, QWidget *parent = nullptr);
    static void draw(QPainter &painter, const QRectF &rect, Kind kind);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
};

} // namespace verdeval
