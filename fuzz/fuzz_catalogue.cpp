// The message catalogue reader: any bytes give a catalogue whose every text can be shown.
#include "FuzzSupport.h"

#include "app/Catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zovi::fuzz::ensureApplication();
    zovi::Catalogue catalogue;
    if (!catalogue.load(
            zovi::fuzz::scratchFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))))
        return 0;
    const qint16 english = zovi::kEnglishOffset;
    const zovi::Texts texts(catalogue, english);
    for (int id : catalogue.ids()) {
        if (!catalogue.contains(id) || !catalogue.entry(id))
            __builtin_trap();
        (void)texts.joined({id - english, id});
    }
    return 0;
}
