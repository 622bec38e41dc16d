#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace zovi {

// Japanese texts have ids 1 to 602, the English text of Japanese id n has id n + 10000.
constexpr qint16 kEnglishOffset = 10000;

// Every user text by number, read from a catalogue file (one "<id>\t<text>" line each, UTF-8).
class Catalogue {
public:
    // The program's own texts, compiled into it from resources/catalogue.tsv: no run can lack them,
    // whatever lies beside the program.
    static inline const QString kBuiltIn = QStringLiteral(":/catalogue.tsv");

    // Replaces the contents. False when the file cannot be read; malformed lines are skipped
    // and counted.
    bool load(const QString& path);
    void insert(int id, const QString& text) { entries_.insert(id, text); }
    std::optional<QString> entry(int id) const;
    bool contains(int id) const { return entries_.contains(id); }
    QList<int> ids() const { return entries_.keys(); }
    int skippedLines() const { return skippedLines_; }

private:
    QHash<int, QString> entries_;
    int skippedLines_ = 0;
};

// The catalogue seen in the language of this run: base id n shows entry n + LangOffset.
class Texts {
public:
    Texts(const Catalogue& catalogue, const qint16& langOffset)
        : catalogue_(catalogue)
        , langOffset_(langOffset) {}
    std::optional<QString> lookup(int baseId) const { return catalogue_.entry(baseId + langOffset_); }
    // The text, or an empty one when the catalogue lacks it.
    QString operator()(int baseId) const { return lookup(baseId).value_or(QString()); }
    // The English entry whatever the language: the design-time text of a control.
    QString english(int baseId) const {
        return catalogue_.entry(baseId + kEnglishOffset).value_or(QString());
    }
    // Two texts joined by an empty line, as composed messages are.
    QString joined(std::initializer_list<int> baseIds) const;

private:
    const Catalogue& catalogue_;
    const qint16& langOffset_;
};

inline const QString kParagraph = QStringLiteral("\r\n\r\n");

} // namespace zovi
