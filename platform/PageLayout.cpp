#include "platform/PageLayout.h"

#include <QPageSize>

namespace verdeval {

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(2, 10, 2, 10),
                       QPageLayout::Millimeter);
}

} // namespace verdeval
