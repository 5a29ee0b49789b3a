#pragma once

#include <QString>
#include <QStringList>

// A sound as the ffmpeg command line makes it: an aevalsrc expression of
// time t (mono) and the audio filters that shape it afterwards.
struct SoundRecipe {
    QString expression;
    QString filters;
};

// The recipe named by the first word of `words`, filled with the numbers
// after it, for a sound of `seconds`. False, with `error` set, when the name
// is unknown or the numbers do not fit it.
bool makeSoundRecipe(const QStringList& words, double seconds, SoundRecipe* recipe, QString* error);
