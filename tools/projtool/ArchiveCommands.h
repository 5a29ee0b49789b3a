#pragma once

#include <QString>

// projtool's archive commands: each runs the archive thread to completion,
// printing its progress, and its end as message 100 or a refusal in words
// on the error output. 0 when the thread ends with 100, 3 otherwise.

// Writes the project (name, group folder) into an archive in outputDir.
int packProject(const QString& name, const QString& folder, const QString& outputDir);
// Unpacks the archive into a new project folder inside destinationDir.
int unpackArchive(const QString& archivePath, const QString& destinationDir);
