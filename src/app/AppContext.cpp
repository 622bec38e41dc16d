#include "app/AppContext.h"

namespace zovi {

AppContext::AppContext(SettingsStore& settingsStore, const Catalogue& cat, Operator& oper,
                       ProgramFolder programFolder)
    : settings(settingsStore)
    , catalogue(cat)
    , op(oper)
    , folder(std::move(programFolder))
    , texts(cat, lang.LangOffset) {}

void AppContext::setLanguage(qint16 langNo) {
    lang.LangNo = langNo;
    lang.LangOffset = langNo == 1 ? 0 : kEnglishOffset;
}

} // namespace zovi
