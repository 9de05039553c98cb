#pragma once

class QAbstractItemView;

namespace ZCORVANEBASE {

// A combo box's popup list lays its rows out when items arrive, before the host's style sheet has reached it: the
// sheet comes with the popup's first polish, and rows sized by it (an item height, a font) would keep the spacing of
// the plain rows and overlap. This lays the list out again whenever it is polished or its style or font changes.
void keepPopupRowsLaidOut(QAbstractItemView* list);

} // namespace ZCORVANEBASE
