#include "mv_deklaracje/kedu/KeduHeader.h"

#include <string>

#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/kedu/KeduDeclaration.h"
#include "mv_deklaracje/kedu/KeduDraSet.h"
#include "platform/res/FileVersion.h"

namespace {

// The host library, whose file version names the program that wrote a document.
constexpr std::u16string_view kHostLibrary = u"TLX_AX.dll";
constexpr long kKedu3Version = 3;
constexpr long kLastKeduComponentDraVersion = 2;

constexpr std::u16string_view kRootKedu3 =
    u"<KEDU wersja_schematu=\"1\" xmlns=\"http://www.zus.pl/2009/KEDU_3\" "
    u"xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    u"xsi:schemaLocation=\"http://www.zus.pl/2009/KEDU_3 kedu_3.xsd\">";
constexpr std::u16string_view kRootKedu43 =
    u"<KEDU wersja_schematu=\"1\" xmlns=\"http://www.zus.pl/2016/KEDU_4_3\" "
    u"xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    u"xsi:schemaLocation=\"http://www.zus.pl/2016/KEDU_4_3 kedu_4_3.xsd\">";

// The host products whose names the header writes in capitals; any other name is written as given.
constexpr std::u16string_view kCapitalisedProducts[] = {u"Velmora ERP Mirvak", u"Velmora ERP ZN HR",
                                                        u"Velmora ERP Sorek HR"};

CBstr ProductSymbol(const CBstr& productName) {
    for (std::u16string_view product : kCapitalisedProducts)
        if (productName.View() == product) return productName.ToUpper();
    return productName;
}

}  // namespace

KeduGeneration KeduGenerationOf(long version) {
    return version == kKedu3Version ? KeduGeneration::Kedu3 : KeduGeneration::Kedu43;
}

CBstr KeduHeaderText(KeduGeneration generation, const CBstr& productName, const CBstr& version, const CDate& today) {
    std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    text += generation == KeduGeneration::Kedu3 ? kRootKedu3 : kRootKedu43;
    text += u"<naglowek.KEDU><program><producent>VELMORA</producent>";
    text += u"<symbol>" + ProductSymbol(productName).Str() + u"</symbol>";
    text += u"<wersja>" + version.Str() + u"</wersja>";
    text += u"</program>";
    text += u"<data_utworzenia_KEDU>" + std::u16string(today.FormatSql().View()) + u"</data_utworzenia_KEDU>";
    text += u"</naglowek.KEDU>";
    return CBstr(text);
}

CBstr HostLibraryVersion() {
    const std::optional<tlx::FileVersion> version = tlx::FindFileVersion(kHostLibrary);
    if (!version) return CBstr(u"");
    std::u16string text;
    for (std::uint16_t part : *version) {
        if (!text.empty()) text += u'.';
        text += LongToString(part).View();
    }
    return CBstr(text);
}

CBstr BuildKeduHeader(ISession* session, long declarationId) {
    const CDate today = GetHostToday();
    KeduGeneration generation = KeduGeneration::Kedu43;
    if (declarationId != 0) generation = KeduGenerationOf(KeduDeclaration(session, declarationId).Wersja());
    return KeduHeaderText(generation, GetHostProductName(), HostLibraryVersion(), today);
}

FormatEksportuZUSEnum ExportRouteOf(long typDeklar, long version) {
    if (typDeklar == dekZUS_ZCZA) return expKEDU;
    if (typDeklar == dekZUS_DRA && version <= kLastKeduComponentDraVersion) return expKEDU;
    return expXML;
}

FormatEksportuZUSEnum ExportRouteOfStored(long id, long typDeklar, long version) {
    const FormatEksportuZUSEnum route = ExportRouteOf(typDeklar, version);
    if (route == expXML && typDeklar == dekZUS_DRA && HasReportWithoutKeduXml(id)) return expKEDU;
    return route;
}
