#include "desktop/history/HistoryWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    Time,
    Group,
    Address,
    Result,
    ColumnCount
};

// What the row says for the events that have no verdict of their own.
QString resultText(const UpdateHistory::Entry& entry)
{
    if (entry.event == QLatin1String("START"))
        return QStringLiteral("Program started");
    if (entry.event == QLatin1String("END"))
        return QStringLiteral("Program ended");
    if (entry.event == QLatin1String("ADDRESS"))
        return QStringLiteral("New address");
    return entry.result;
}

} // namespace

HistoryWindow::HistoryWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("Update History"));
    resize(640, 360);

    lstEvents = new QTreeWidget(this);
    lstEvents->setObjectName(QStringLiteral("lstEvents"));
    lstEvents->setColumnCount(ColumnCount);
    lstEvents->setHeaderLabels(
        {QStringLiteral("Time"), QStringLiteral("Group"), QStringLiteral("Address"), QStringLiteral("Result")});
    lstEvents->setRootIsDecorated(false);
    lstEvents->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstEvents->header()->setStretchLastSection(true);

    cmdCopy = new QPushButton(QStringLiteral("&Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstEvents);
    layout->addLayout(buttons);

    connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void HistoryWindow::showEntries(const QList<UpdateHistory::Entry>& entries)
{
    lstEvents->clear();
    QList<QTreeWidgetItem*> rows;
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        auto* row =
            new QTreeWidgetItem(QStringList{entry->when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                            entry->group, entry->address, resultText(*entry)});
        if (entry->failed) {
            for (int column = 0; column < ColumnCount; ++column)
                row->setForeground(column, QColor(Qt::red));
        }
        rows.append(row);
    }
    lstEvents->addTopLevelItems(rows);
    for (int column = 0; column < Result; ++column)
        lstEvents->resizeColumnToContents(column);
}

QString HistoryWindow::selectedText() const
{
    QStringList lines;
    // In the order shown, whatever order they were selected in.
    for (int i = 0; i < lstEvents->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lstEvents->topLevelItem(i);
        if (!row->isSelected())
            continue;
        QStringList fields;
        for (int column = 0; column < ColumnCount; ++column)
            fields.append(row->text(column));
        lines.append(fields.join(QLatin1Char('\t')));
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void HistoryWindow::cmdCopy_Click()
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}
