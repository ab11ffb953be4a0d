#include "support/WindowChecks.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

bool takesInput(QAccessible::Role role)
{
    using R = QAccessible::Role;
    static const R kInput[] = {R::EditableText, R::ComboBox, R::SpinBox,     R::List,       R::Table,
                               R::Tree,         R::CheckBox, R::RadioButton, R::PushButton, R::Slider};
    return std::find(std::begin(kInput), std::end(kInput), role) != std::end(kInput);
}

QString nameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
}

QString describe(QAccessibleInterface* control)
{
    const QObject* object = control->object();
    const QString name = object && !object->objectName().isEmpty() ? object->objectName() : "unnamed object";
    return QStringLiteral("%1 (role %2)").arg(name).arg(int(control->role()), 0, 16);
}

// Qt names a field that nothing else names after the group it is in: every such field of the group
// would be heard by the group's title.
bool onlyGroupTitle(QAccessibleInterface* node, const QString& name)
{
    auto* widget = qobject_cast<QWidget*>(node->object());
    auto* group = widget ? qobject_cast<QGroupBox*>(widget->parentWidget()) : nullptr;
    return group && widget->accessibleName().isEmpty() && name == group->title().remove(QLatin1Char('&')).trimmed();
}

void collectNames(QAccessibleInterface* node, QStringList& faults, QMap<QString, QStringList>& controlsByName)
{
    if (node == nullptr || node->state().invisible)
        return;
    if (takesInput(node->role())) {
        const QString name = node->text(QAccessible::Name).remove(QLatin1Char('&')).trimmed();
        if (name.isEmpty())
            faults.append(describe(node) + QStringLiteral(" has no name"));
        else if (onlyGroupTitle(node, name))
            faults.append(describe(node) + QStringLiteral(" has only its group's title \"%1\" for a name").arg(name));
        else
            controlsByName[name].append(describe(node));
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectNames(node->child(i), faults, controlsByName);
}

// The room the control has for its text, and the text's size in the control's font.
std::pair<QRect, QSize> roomAndText(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QRect room =
            label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (label->wordWrap())
            return {room,
                    QSize(room.width(), label->heightForWidth(label->width()) - (label->height() - room.height()))};
        return {room, metrics.size(Qt::TextShowMnemonic, label->text())};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        const auto contents =
            qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(contents, &option, button);
        return {room, metrics.size(Qt::TextShowMnemonic, button->text())};
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        // The frame's width less its corners is what the title may take.
        return {
            QRect(0, 0, group->width() - 2 * group->style()->pixelMetric(QStyle::PM_LayoutLeftMargin), group->height()),
            metrics.size(Qt::TextShowMnemonic, group->title())};
    }
    return {};
}

// The part of `room` (in the widget's coordinates) that the window shows: a parent or the window cuts
// what lies beyond its edges.
QRect shownPart(QWidget* widget, const QRect& room, QWidget* window)
{
    QRect shown = room;
    for (QWidget* w = widget; w != window && w->parentWidget(); w = w->parentWidget())
        shown = shown.intersected(w->rect()).translated(w->pos());
    return shown.intersected(window->rect());
}

} // namespace

QStringList unnamedOrTwiceNamedControls(QWidget* window)
{
    QStringList faults;
    QMap<QString, QStringList> controlsByName;
    collectNames(QAccessible::queryAccessibleInterface(window), faults, controlsByName);
    for (auto it = controlsByName.cbegin(); it != controlsByName.cend(); ++it)
        if (it->size() > 1)
            faults.append(QStringLiteral("\"%1\" names %2").arg(it.key(), it->join(QStringLiteral(" and "))));
    return faults;
}

QStringList focusStopsOutOfSight(QWidget* window)
{
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (!window->rect().intersects(place))
            faults.append(nameOf(widget));
    }
    return faults;
}

QStringList cutTexts(QWidget* window)
{
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const auto [wholeRoom, text] = roomAndText(widget);
        if (text.isEmpty())
            continue;
        const QRect room = shownPart(widget, wholeRoom, window);
        if (text.width() > room.width() || text.height() > room.height())
            faults.append(QString::asprintf("%s needs %dx%d for its text and has %dx%d", qPrintable(nameOf(widget)),
                                            text.width(), text.height(), room.width(), room.height()));
    }
    return faults;
}
