#pragma once

#include "AssetRecord.h"

#include <QHash>
#include <QList>
#include <QStringList>

// The records of one built-in asset page, by group title, with the titles in
// display order. Group titles are translated (except "general"), so the title
// on a group button is also the key of its records.
struct AssetTable {
    QHash<QString, QList<AssetRecord>> groups;
    QStringList groupTitles;

    static AssetTable music();
    static AssetTable soundEffects();
    static AssetTable stickers();

private:
    void _appendGroup(const QString& title, const QList<AssetRecord>& records);
};
