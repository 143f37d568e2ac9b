// The PFRON application files of the WN-D of both generations (versions 1 and 6) and of the WN-U of
// March 2024, each calculated once, on generated companies of 1 000 and 10 000 cards (the demo's cards
// copied, a quarter of them disabled): ExportToSOD of each into a folder, against a baseline that opens
// the same declaration and reads every field its documents hold from it and from each attachment
// through Wartosc; and each application as a whole, calculated again and exported. The export should
// grow with its files, as the baseline does.
//   build/release/bench/SodExportBench
// First figures, of a first-generation WN-D of 5 000 cards (medians of three repetitions of three
// iterations, RelWithDebInfo, load average 20 on 8 cores; 1 000 attachments, 1 001 files): ExportToSOD
// 974 ms of processor time (6.6 s wall), the baseline 487 ms (0.61 s wall): the export's processor time
// is twice the baseline's, at the limit asked; its wall time is the file layer's, which writes each file
// beside its target and renames it.
// Then at 1 000 and 10 000 cards side by side (201 and 2 001 files of a first-generation WN-D and of the
// WN-U, 51 and 501 of a version 6 WN-D), with the connection's cache of prepared statements keeping the
// texts used most, a declaration's next number read from an index, and the read back of a calculated
// declaration's attachments finding their rows in one walk. Instructions (callgrind), 1 000 / 10 000
// cards: the first-generation WN-D's five exports, old module 1.30 / 12.0 billion (9.3 times the 1 000
// run), this one 1.21 / 11.2 (9.2 times): the export grows with its files; its three calculations, old
// 3.70 / 52.5 billion (14.2 times, the save's numbering walking every attachment kept, and the read back
// walking the rows once per attachment). Calculated three times and exported twice, old module -> this
// one: the first-generation WN-D 4.17 / 56.5 -> 4.05 / 40.5 billion (13.6 -> 10.0 times), the WN-U 4.58 /
// 63.2 -> 4.47 / 45.1 billion (13.8 -> 10.1 times; its exports 9.4 times).
#include "PfronBenchDeclaration.h"

#include <array>
#include <map>
#include <vector>

#include "platform/com/Enumerators.h"

namespace {

using namespace pfronbench;

// The fields the applications' documents read, of the main forms and of the attachments; each
// declaration's baseline reads those its form has.
constexpr const char16_t* kDocumentFields[] = {
    u"BIEZACYOKRESNIEPELNOSPRAWNI", u"BIEZACYOKRESOGOLEM", u"CHRONLEKKI", u"CHRONLEKKIEMERYT", u"CHRONSLEKKI",
    u"CHRONSLEKKIEMERYT", u"CHRONSUMIARKOWANY", u"CHRONSUMIARKOWANYEMERYT", u"CHRONSZNACZNY", u"CHRONSZNACZNYEMERYT",
    u"CHRONUMIARKOWANY", u"CHRONUMIARKOWANYEMERYT", u"CHRONZNACZNY", u"CHRONZNACZNYEMERYT", u"CZYPRZYROSTNETTO",
    u"DATAWYPELNIENIA", u"EMAIL", u"FAKS", u"FORMAWLASNOSCI", u"GMINA", u"IMIE1", u"IMIE2", u"KODADRESU",
    u"KODPOCZTOWY", u"KOSZTYPLACY", u"KWDOFWYPLATA", u"LICZBAINFDP", u"LICZBAINFUPGA", u"MIASTO",
    u"MSCEZAMIESZKANIA", u"NAZWISKO", u"NIP", u"NORMLEKKI", u"NORMLEKKIEMERYT", u"NORMSLEKKI", u"NORMSLEKKIEMERYT",
    u"NORMSUMIARKOWANY", u"NORMSUMIARKOWANYEMERYT", u"NORMSZNACZNY", u"NORMSZNACZNYEMERYT", u"NORMUMIARKOWANY",
    u"NORMUMIARKOWANYEMERYT", u"NORMZNACZNY", u"NORMZNACZNYEMERYT", u"NOWOZATRUDNIENI", u"NRDOMU", u"NRDOWODU",
    u"NRKOLEJNY", u"NRLOKALU", u"NRPFRON", u"OKRESSPRAWOZDAWCZY", u"OKRESWYPLATY", u"OKRESZATR", u"OKRESZATRODDNIA",
    u"PELNANAZWPRACODAWCY", u"PELNEINFORMACJE", u"PELNOMOCNIK", u"PESEL", u"PKD", u"PLEC", u"POCZTA", u"PODWKOSZTY",
    u"POMNIEJSZENIA", u"POMOCPUBLICZNAPFRON", u"POPRZEDZAJACYOKRESNIEPELNOSPRAWNI", u"POPRZEDZAJACYOKRESOGOLEM",
    u"POWIAT", u"PRACEMERYTALNE", u"PRACRENTOWE", u"PRACWYPADKOWE", u"REGON", u"RODZAJINFORMACJI",
    u"SKRNAZWPRACODAWCY", u"STATUSPRACODAWCYIP", u"STATUSPRACODAWCYZAZ", u"STATUSPRACODAWCYZPC",
    u"SZCZEGOLOWAFORMAPRAWNA", u"TELEFON", u"ULICA", u"WOJEWODZTWO", u"WOKRESIENIEPELNOSPRAWNI", u"WOKRESIEOGOLEM",
    u"WSTAWIACNIP", u"WYKSZTALCENIE", u"WYNCHOROBOWE", u"WYNEMERYTALNE", u"WYNMINIMALNE", u"WYNOSIAGANE",
    u"WYNWYPLACONE", u"ZATRROZWUMOWY", u"ZATRWZROSTNETTO", u"ZAWOD"};

constexpr std::array kApplications = {Application::Wnd1, Application::Wnd6, Application::Wnu};

ComPtr<IDeklaracja2> OpenDeclaration(ISession* session, LONG id) {
    return Create(session, u"TLXDeklaracje.Deklaracje", Variant::FromString(tlx::Utf8ToUtf16(std::to_string(id))))
        .As<IDeklaracja2>();
}

// The declaration's attachments, walked as the export walks them (by the collection's enumerator).
std::vector<ComPtr<IDeklaracja2>> Attachments(IDeklaracja2* declaration) {
    ComPtr<IDispatch> children;
    Check(declaration->get_Deklaracje(children.Out()), "Deklaracje");
    ComPtr<IUnknown> walk;
    Check(children.As<ICollection>()->get__NewEnum(walk.Out()), "_NewEnum");
    ComPtr<IEnumVARIANT> each = walk.As<IEnumVARIANT>();
    std::vector<ComPtr<IDeklaracja2>> list;
    for (Variant next; each->Next(1, next.Out(), nullptr) == S_OK;)
        if (next.vt == VT_DISPATCH && next.pdispVal) list.push_back(ComPtr<IDispatch>(next.pdispVal).As<IDeklaracja2>());
    return list;
}

// Those of the fields the declaration's form has.
std::vector<const char16_t*> FieldsOf(IDeklaracja2* declaration) {
    std::vector<const char16_t*> fields;
    for (const char16_t* field : kDocumentFields) {
        Variant value;
        if (SUCCEEDED(declaration->get_Wartosc(Bstr(field).Get(), value.Out()))) fields.push_back(field);
        else tlx::TakeErrorDescription();
    }
    return fields;
}

// One application calculated on the company, with the fields of its main form and of its attachments,
// and the folder its files go to.
struct Calculated {
    LONG id = 0;
    std::vector<const char16_t*> mainFields, attachmentFields;
    std::filesystem::path folder;
};

// The application's calculation, through a new object of its service: the WN-U's interface, or the WN-D's
// that both WN-D services share.
void Calculate(ISession* session, Application kind, LONG id) {
    ComPtr<IDispatch> calculator = Create(session, CalculatorOf(kind));
    auto calculate = [&](auto* service) {
        Check(service->put_DeklId(id), "DeklId");
        Check(service->Przelicz(), "Przelicz");
    };
    if (kind == Application::Wnu) calculate(calculator.As<IWNU>().Get());
    else calculate(calculator.As<IWND>().Get());
}

// The application's files written into `folder`, through a new object of its service.
void Export(ISession* session, Application kind, LONG id, const Bstr& folder) {
    ComPtr<IDispatch> exporter = Create(session, CalculatorOf(kind));
    if (kind == Application::Wnu) Check(exporter.As<IWNU>()->ExportToSOD(id, folder.Get()), "ExportToSOD");
    else Check(exporter.As<IWND>()->ExportToSOD(id, folder.Get()), "ExportToSOD");
}

// The applications calculated on the company of `cards` cards, once for its benchmarks.
const Calculated& TheApplication(int cards, Application kind) {
    static std::map<std::pair<int, Application>, Calculated> made;
    GeneratedCompany& company = CompanyOf(cards);
    auto found = made.find({cards, kind});
    if (found != made.end()) return found->second;
    Calculated calculated;
    calculated.id = NewApplication(kind);
    Calculate(NewSession().Get(), kind, calculated.id);
    auto declaration = OpenDeclaration(NewSession().Get(), calculated.id);
    calculated.mainFields = FieldsOf(declaration.Get());
    auto attachments = Attachments(declaration.Get());
    if (!attachments.empty()) calculated.attachmentFields = FieldsOf(attachments.front().Get());
    calculated.folder = std::filesystem::path(company.Database()).parent_path() /
                        ("sod-" + std::to_string(static_cast<int>(kind)));
    std::filesystem::create_directories(calculated.folder);
    return made.emplace(std::make_pair(cards, kind), std::move(calculated)).first->second;
}

void BM_ExportToSOD(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    const auto kind = static_cast<Application>(state.range(1));
    const Calculated& application = TheApplication(cards, kind);
    ComPtr<ISession> session = NewSession();
    const Bstr folder(tlx::Utf8ToUtf16(application.folder.string()));
    for (auto _ : state) Export(session.Get(), kind, application.id, folder);
    long files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(application.folder)) ++files;
    state.counters["cards"] = benchscale::Employees(cards);
    state.counters["files"] = static_cast<double>(files);
    state.SetLabel(NameOf(kind));
}

// The application as a whole: calculated again, then exported, through new calculation objects.
void BM_CalculateAndExport(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    const auto kind = static_cast<Application>(state.range(1));
    const Calculated& application = TheApplication(cards, kind);
    ComPtr<ISession> session = NewSession();
    const Bstr folder(tlx::Utf8ToUtf16(application.folder.string()));
    for (auto _ : state) {
        Calculate(session.Get(), kind, application.id);
        Export(session.Get(), kind, application.id, folder);
    }
    state.counters["cards"] = benchscale::Employees(cards);
    state.SetLabel(NameOf(kind));
}

// The baseline: the declaration opened in a new session, and every field the documents hold read from
// it and from each of its attachments.
void BM_ReadTheDocumentsFields(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    const auto kind = static_cast<Application>(state.range(1));
    const Calculated& application = TheApplication(cards, kind);
    long attachments = 0;
    auto read = [](IDeklaracja2* declaration, const char16_t* field) {
        Variant value;
        Check(declaration->get_Wartosc(Bstr(field).Get(), value.Out()), "Wartosc");
        benchmark::DoNotOptimize(value.vt);
    };
    for (auto _ : state) {
        auto declaration = OpenDeclaration(NewSession().Get(), application.id);
        for (const char16_t* field : application.mainFields) read(declaration.Get(), field);
        auto children = Attachments(declaration.Get());
        for (const auto& child : children)
            for (const char16_t* field : application.attachmentFields) read(child.Get(), field);
        attachments = static_cast<long>(children.size());
    }
    state.counters["cards"] = benchscale::Employees(cards);
    state.counters["attachments"] = static_cast<double>(attachments);
    state.SetLabel(NameOf(kind));
}

// The benchmarks of one company size run together.
const bool kRegistered = [] {
    for (int cards : {1000, 10000}) {
        for (Application kind : kApplications) {
            for (auto* b : {benchmark::RegisterBenchmark("BM_ExportToSOD", BM_ExportToSOD),
                            benchmark::RegisterBenchmark("BM_ReadTheDocumentsFields", BM_ReadTheDocumentsFields)})
                b->Args({cards, static_cast<int>(kind)})->Unit(benchmark::kMillisecond)->Iterations(3);
            benchmark::RegisterBenchmark("BM_CalculateAndExport", BM_CalculateAndExport)
                ->Args({cards, static_cast<int>(kind)})
                ->Unit(benchmark::kMillisecond)
                ->Iterations(2);
        }
    }
    return true;
}();

}  // namespace
