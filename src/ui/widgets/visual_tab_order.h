#pragma once

class QWidget;

namespace kalmo {

// Sets the Tab order of the page's focusable children as they are read: by
// rows from top to bottom (tops within half a row count as one row), each row
// from left to right. The pages place their controls by fixed geometry, so
// the order of creation says nothing about where a control stands.
void setVisualTabOrder(QWidget& page);

}  // namespace kalmo
