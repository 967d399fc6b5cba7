#pragma once

class QCoreApplication;

namespace ui {

// Qt's own texts in Russian, as every other text of the windows: the dialogs' buttons, the
// context menus and the serial port's error reasons. The translations come from the folder Qt
// reports for them. False when one of them is not installed; those texts then stay English.
bool useRussianQtTexts(QCoreApplication& app);

} // namespace ui
