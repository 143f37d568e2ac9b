// The PFRON application files of a first-generation WN-D of March 2024 on a generated company of 5 000
// cards (the demo's cards copied, a quarter of them disabled): ExportToSOD of the calculated WN-D with
// its INF-D-P attachments into a folder, against a baseline that opens the same WN-D and reads every
// field the documents hold from each attachment through Wartosc.
//   build/release/bench/SodExportBench
// First figures (medians of three repetitions of three iterations, RelWithDebInfo, load average 20 on 8
// cores; 1 000 attachments, 1 001 files): ExportToSOD 974 ms of processor time (6.6 s wall), the
// baseline 487 ms (0.61 s wall): the export's processor time is twice the baseline's, at the limit
// asked; its wall time is the file layer's, which writes each file beside its target and renames it.
#include "PfronBenchDeclaration.h"

namespace {

using namespace pfronbench;

constexpr int kCards = 5000;

// The fields the WN-D's and the INF-D-P's documents read.
constexpr const char16_t* kWndFields[] = {u"LICZBAINFDP", u"NRPFRON", u"OKRESSPRAWOZDAWCZY", u"DATAWYPELNIENIA",
                                          u"RODZAJINFORMACJI", u"NIP", u"REGON", u"SKRNAZWPRACODAWCY",
                                          u"KODPOCZTOWY", u"MIASTO", u"NRDOMU", u"NRLOKALU", u"ULICA", u"EMAIL",
                                          u"FAKS", u"TELEFON"};
constexpr const char16_t* kAttachmentFields[] = {
    u"NRKOLEJNY",      u"PESEL",         u"IMIE1",        u"IMIE2",        u"NAZWISKO",       u"NIP",
    u"NRDOWODU",       u"PLEC",          u"ZAWOD",        u"WYKSZTALCENIE", u"GMINA",         u"KODPOCZTOWY",
    u"MIASTO",         u"MSCEZAMIESZKANIA", u"NRDOMU",    u"NRLOKALU",     u"POCZTA",         u"POWIAT",
    u"ULICA",          u"WOJEWODZTWO",   u"OKRESZATRODDNIA", u"WYNOSIAGANE", u"WYNWYPLACONE", u"WYNMINIMALNE",
    u"POMNIEJSZENIA",  u"CHRONZNACZNY",  u"CHRONUMIARKOWANY", u"CHRONLEKKI", u"CHRONSZNACZNY", u"CHRONSUMIARKOWANY",
    u"CHRONSLEKKI",    u"NORMZNACZNY",   u"NORMUMIARKOWANY", u"NORMLEKKI",  u"KOSZTYPLACY",    u"KWDOFWYPLATA",
    u"PODWKOSZTY",     u"NORMSZNACZNY",  u"NORMSUMIARKOWANY", u"NORMSLEKKI"};

// The company and a first-generation WN-D of March 2024 calculated on it, once for the program.
struct Setup {
    GeneratedCompany company{kCards};
    LONG id = 0;
    std::filesystem::path folder;

    Setup() {
        ComPtr<ISession> session = NewSession();
        ComPtr<IDispatch> item = AddMarchDeclaration(session.Get(), 310, 1);
        id = SaveDeclaration(session.Get(), item.Get());
        ComPtr<IWND> wnd = Create(session.Get(), u"TLXDeklaracje.WND").As<IWND>();
        Check(wnd->put_DeklId(id), "DeklId");
        Check(wnd->Przelicz(), "Przelicz");
        folder = std::filesystem::path(company.Database()).parent_path() / "sod";
        std::filesystem::create_directories(folder);
    }
};

Setup& TheSetup() {
    static Setup setup;
    return setup;
}

void BM_ExportToSOD(benchmark::State& state) {
    Setup& setup = TheSetup();
    ComPtr<ISession> session = NewSession();
    for (auto _ : state) {
        ComPtr<IWND> wnd = Create(session.Get(), u"TLXDeklaracje.WND").As<IWND>();
        Check(wnd->ExportToSOD(setup.id, Bstr(tlx::Utf8ToUtf16(setup.folder.string())).Get()), "ExportToSOD");
    }
    long files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(setup.folder)) ++files;
    state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_ExportToSOD)->Unit(benchmark::kMillisecond)->Iterations(3);

// The baseline: the WN-D opened in a new session, and every field the documents hold read from it and
// from each of its attachments.
void BM_ReadTheDocumentsFields(benchmark::State& state) {
    Setup& setup = TheSetup();
    long attachments = 0;
    for (auto _ : state) {
        ComPtr<ISession> session = NewSession();
        auto wnd = Create(session.Get(), u"TLXDeklaracje.Deklaracje",
                          Variant::FromString(tlx::Utf8ToUtf16(std::to_string(setup.id))))
                       .As<IDeklaracja2>();
        auto read = [](IDeklaracja2* declaration, const char16_t* field) {
            Variant value;
            Check(declaration->get_Wartosc(Bstr(field).Get(), value.Out()), "Wartosc");
            benchmark::DoNotOptimize(value.vt);
        };
        for (const char16_t* field : kWndFields) read(wnd.Get(), field);
        ComPtr<IDispatch> children;
        Check(wnd->get_Deklaracje(children.Out()), "Deklaracje");
        auto collection = children.As<ICollection>();
        LONG count = 0;
        Check(collection->get_Count(&count), "Count");
        for (LONG i = 0; i < count; ++i) {
            ComPtr<IDispatch> child;
            Check(collection->Item(Variant::FromLong(i), child.Out()), "Item");
            for (const char16_t* field : kAttachmentFields) read(child.As<IDeklaracja2>().Get(), field);
        }
        attachments = count;
    }
    state.counters["attachments"] = static_cast<double>(attachments);
}
BENCHMARK(BM_ReadTheDocumentsFields)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
