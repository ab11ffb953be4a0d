#include "platform/qt/QtPlatform.h"

QtPlatform::QtPlatform() : tray(QIcon(QStringLiteral(":/veltaro.png"))) {}
