#pragma once

#include "core/client/UpdateHistory.h"

#include <QDialog>

class QTreeWidget;

// The update history: one row an event, newest first, failures in red; Copy puts the selected
// rows on the clipboard as text.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HistoryWindow(QWidget* parent = nullptr);

    // Fills the rows from the history's entries, oldest first as the file keeps them.
    void showEntries(const QList<UpdateHistory::Entry>& entries);

private:
    // The selected rows, one line each, the columns separated by tabs.
    QString selectedText() const;
    void copySelectedRows();

    QTreeWidget* m_rows = nullptr;
};
