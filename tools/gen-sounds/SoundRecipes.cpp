#include "SoundRecipes.h"

#include <QMap>

#include <functional>

namespace {

using Numbers = QList<double>;
using Builder = std::function<SoundRecipe(const Numbers&, double seconds)>;

struct Recipe {
    int numberCount;
    Builder build;
};

// Expressions are written with %1, %2... for the numbers.
QString fill(QString text, const Numbers& numbers)
{
    for (double number : numbers)
        text = text.arg(number, 0, 'g', 10);
    return text;
}

// Short edges so that no sound starts or stops with a click.
QString edges(double seconds, double fadeOut = 0.03)
{
    return QString("afade=t=in:d=0.005,afade=t=out:st=%1:d=%2").arg(seconds - fadeOut).arg(fadeOut);
}

// Uniform noise in [-1, 1]; variable 9 keeps the generator's state.
const char* const kNoise = "(2*random(9)-1)";

// Bass, an arpeggio in eighth notes over four chords of two bars, kick and hi-hat.
SoundRecipe music(const Numbers& n, double seconds)
{
    const double beat = 60.0 / n[0];
    const QString chord = fill("if(eq(ld(3),0),%1,if(eq(ld(3),1),%2,if(eq(ld(3),2),%3,%4)))", {n[3], n[4], n[5], n[6]});
    const QString arpeggio = fill("if(eq(ld(5),0),0,if(eq(ld(5),1),%1,if(eq(ld(5),2),7,12)))", {n[2] > 0 ? 3.0 : 4.0});
    const QString lead = fill("(1-exp(-300*ld(7)))*exp(-5*ld(7))*(sin(2*PI*ld(8)*t)+%1*sin(4*PI*ld(8)*t)"
                              "+%2*sin(6*PI*ld(8)*t))", {n[7], n[7] * n[7]});
    QString expression = fill("st(1,floor(t/%1));st(2,mod(t,%1));st(3,mod(floor(ld(1)/8),4));"
                              "st(6,floor(t/%2));st(7,mod(t,%2));st(5,mod(ld(6),4));", {beat, beat / 2});
    expression += "st(4," + chord + ");st(8," + fill("%1", {n[1]}) + "*pow(2,(ld(4)+" + arpeggio + ")/12));";
    expression += "0.2*" + lead;
    expression += fill("+0.25*sin(PI*%1*pow(2,ld(4)/12)*t)*(1-exp(-100*ld(2)))*exp(-1.5*ld(2))", {n[1]});
    expression += "+0.3*sin(2*PI*(50*ld(2)+4*(1-exp(-30*ld(2)))))*exp(-8*ld(2))";
    expression += QString("+0.05*%1*exp(-80*ld(7))").arg(kNoise);
    return {expression, edges(seconds, qMin(2.0, seconds / 4))};
}

SoundRecipe beep(const Numbers& n, double seconds)
{
    const double on = n[1] * n[2];
    return {fill("st(1,mod(t,%2));0.45*sin(2*PI*%1*t)*lt(ld(1),%3)*min(1,300*ld(1))*min(1,max(0,300*(%3-ld(1))))",
                 {n[0], n[1], on}),
            edges(seconds)};
}

SoundRecipe siren(const Numbers& n, double seconds)
{
    const double centre = (n[0] + n[1]) / 2;
    const double deviation = (n[1] - n[0]) / 2;
    return {fill("st(0,2*PI*(%1*t-%2/(2*PI*%3)*cos(2*PI*%3*t)));0.35*sin(ld(0))+0.15*sin(2*ld(0))",
                 {centre, deviation, n[2]}),
            edges(seconds)};
}

SoundRecipe strike(const Numbers& n, double seconds)
{
    const QString partials = n[4] > 0 ? "0.5*sin(ld(0))+0.3*sin(2.76*ld(0))+0.15*sin(5.4*ld(0))"
                                      : "0.5*sin(ld(0))+0.25*sin(2*ld(0))+0.12*sin(3*ld(0))";
    return {fill("st(1,mod(t,%3));st(2,%1*pow(2,mod(floor(t/%3)*%4,12)/12));st(0,2*PI*ld(2)*ld(1));"
                 "(1-exp(-600*ld(1)))*exp(-%2*ld(1))*(",
                 {n[0], n[1], n[2], n[3]}) + partials + ")",
            edges(seconds)};
}

SoundRecipe hiss(const Numbers& n, double seconds)
{
    return {fill("0.7*%2*(0.55-0.45*cos(2*PI*%1*t))", {n[1]}).arg(kNoise),
            fill("lowpass=f=%1,", {n[0]}) + edges(seconds)};
}

SoundRecipe sweep(const Numbers& n, double seconds)
{
    const double ratio = n[1] / n[0];
    return {fill("0.45*sin(2*PI*%1*%2/log(%3)*(pow(%3,t/%2)-1))*(1-exp(-300*t))*exp(-%4*t)",
                 {n[0], seconds, ratio, n[2]}),
            edges(seconds)};
}

SoundRecipe voice(const Numbers& n, double seconds)
{
    return {fill("st(1,mod(t,%5));st(0,2*PI*(%1*ld(1)+(%2-%1)*ld(1)*ld(1)/(2*%5))-%1*%4/%3*cos(2*PI*%3*t));"
                 "0.3*min(1,20*ld(1))*min(1,max(0,20*(%5-ld(1))))"
                 "*(sin(ld(0))+0.5*sin(2*ld(0))+0.33*sin(3*ld(0))+0.25*sin(4*ld(0)))",
                 {n[0], n[1], n[2], n[3], n[4]}),
            edges(seconds)};
}

SoundRecipe buzz(const Numbers& n, double seconds)
{
    return {fill("st(0,2*PI*%1*t);0.35*(0.5-0.5*cos(2*PI*%2*t))"
                 "*(sin(ld(0))+sin(3*ld(0))/3+sin(5*ld(0))/5+0.2*%3)",
                 {n[0], n[1]}).arg(kNoise),
            edges(seconds)};
}

SoundRecipe hit(const Numbers& n, double seconds)
{
    const QString gate = n[3] > 0 ? fill("lt(floor(t/%1),%2)", {n[0], n[3]}) : QString("1");
    return {fill("st(1,mod(t,%1));0.7*", {n[0]}) + gate
                + fill("*min(1,2000*ld(1))*exp(-%1*ld(1))*((1-%2)*sin(2*PI*(50*ld(1)+4*(1-exp(-30*ld(1)))))"
                       "+%2*%3)", {n[1], n[2]}).arg(kNoise),
            edges(seconds)};
}

const QMap<QString, Recipe>& recipes()
{
    static const QMap<QString, Recipe> table{
        {"music", {8, music}}, {"beep", {3, beep}},   {"siren", {3, siren}}, {"strike", {5, strike}},
        {"hiss", {2, hiss}},   {"sweep", {3, sweep}}, {"voice", {5, voice}}, {"buzz", {2, buzz}},
        {"hit", {4, hit}},
    };
    return table;
}

} // namespace

bool makeSoundRecipe(const QStringList& words, double seconds, SoundRecipe* recipe, QString* error)
{
    const auto found = recipes().constFind(words.value(0));
    if (found == recipes().constEnd()) {
        *error = "no recipe named \"" + words.value(0) + "\"";
        return false;
    }
    if (words.size() - 1 != found->numberCount) {
        *error = QString("recipe %1 takes %2 numbers").arg(words[0]).arg(found->numberCount);
        return false;
    }
    Numbers numbers;
    for (const QString& word : words.mid(1)) {
        bool ok = false;
        numbers.append(word.toDouble(&ok));
        if (!ok) {
            *error = "not a usable number: " + word;
            return false;
        }
    }
    *recipe = found->build(numbers, seconds);
    return true;
}
