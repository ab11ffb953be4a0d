#include "desktop/widgets/WidgetDesign.h"

#include "desktop/widgets/Twips.h"

#include <QWidget>

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
