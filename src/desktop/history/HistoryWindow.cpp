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

// What the row says for the events that have no verdict of their own, else the verdict in the reader's
// language.
QString resultText(const UpdateHistory::Entry& entry)
{
    if (entry.event == QLatin1String("START"))
        return HistoryWindow::tr("Program started");
    if (entry.event == QLatin1String("END"))
        return HistoryWindow::tr("Program ended");
    if (entry.event == QLatin1String("ADDRESS"))
        return HistoryWindow::tr("New address");
    return UpdateHistory::shownResult(entry);
}

} // namespace

HistoryWindow::HistoryWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("Update History"));
    resize(640, 360);

    m_rows = new QTreeWidget(this);
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setColumnCount(ColumnCount);
    m_rows->setHeaderLabels({tr("Time"), tr("Group"), tr("Address"), tr("Result")});
    m_rows->setAccessibleName(tr("Update events"));
    m_rows->setRootIsDecorated(false);
    m_rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_rows->header()->setStretchLastSection(true);

    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("copyButton"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_rows);
    layout->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, &HistoryWindow::copySelectedRows);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void HistoryWindow::showEntries(const QList<UpdateHistory::Entry>& entries)
{
    m_rows->clear();
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
    m_rows->addTopLevelItems(rows);
    for (int column = 0; column < Result; ++column)
        m_rows->resizeColumnToContents(column);
}

QString HistoryWindow::selectedText() const
{
    QStringList lines;
    // In the order shown, whatever order they were selected in.
    for (int i = 0; i < m_rows->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_rows->topLevelItem(i);
        if (!row->isSelected())
            continue;
        QStringList fields;
        for (int column = 0; column < ColumnCount; ++column)
            fields.append(row->text(column));
        lines.append(fields.join(QLatin1Char('\t')));
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void HistoryWindow::copySelectedRows()
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}
