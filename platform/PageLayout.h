#pragma once

#include <QPageLayout>

namespace verdeval {

// The page of every printed report, in the preview, on the printer and in PDF files: US Letter,
// portrait, margins 10 mm at top and bottom and 2 mm at left and right.
QPageLayout reportPageLayout();

} // namespace verdeval
