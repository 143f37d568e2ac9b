#include "mv_deklaracje/zus/ObjetyWMiesiacu.h"

#include <bitset>
#include <vector>

#include "mv_deklaracje/core/ComError.h"

namespace {

// A chain has at most one record starting on each day of the month; a longer walk means the host
// answers records that do not advance, and ends there.
constexpr int kMaxKrokowLancucha = 62;

// The days of one month not yet covered.
class DniMiesiaca {
public:
    explicit DniMiesiaca(CDate dzien)
        : pierwszy_(dzien.GetMonth(), 1, dzien.GetYear()),
          dlugosc_(DaysInMonth(dzien.GetMonth(), dzien.GetYear())) {
        for (int i = 0; i < dlugosc_; ++i) dni_.set(static_cast<std::size_t>(i));
    }

    void Usun(const OkresDat& okres) {
        if (okres.od.IsEmpty()) return;
        const double od = okres.od.Value() - pierwszy_.Value();
        const double doDnia = okres.otwarty ? dlugosc_ - 1.0 : okres.doDnia.Value() - pierwszy_.Value();
        for (int i = 0; i < dlugosc_; ++i)
            if (i >= od && i <= doDnia) dni_.reset(static_cast<std::size_t>(i));
    }
    bool Puste() const { return dni_.none(); }
    // True when some day was covered.
    bool UsunietoDzien() const { return static_cast<int>(dni_.count()) != dlugosc_; }

private:
    CDate pierwszy_;
    int dlugosc_;
    std::bitset<31> dni_;
};

ZapisDatowany WymaganyZapis(const ZapisWDniu& zapisWDniu, CDate dzien) {
    auto zapis = zapisWDniu(dzien);
    if (!zapis)
        RaiseComError(E_POINTER, u"Brak zapisu danych pracownika ważnego w dniu " +
                                     std::u16string(dzien.FormatSql().View()));
    return *zapis;
}

bool JestOstatni(const ZapisDatowany& zapis) { return zapis.waznosc.otwarty || zapis.waznosc.doDnia.IsEmpty(); }

int NumerMiesiaca(CDate dzien) { return dzien.GetYear() * 12 + dzien.GetMonth(); }

OkresDat CzytajOkres(IPracEtat* zapis, HRESULT (IPracEtat::*get)(IOkres**)) {
    tlx::ComPtr<IOkres> okres;
    CheckHost((zapis->*get)(okres.Out()));
    if (!okres) RaiseComError(E_POINTER, u"Brak okresu w zapisie danych pracownika");
    DATE od = 0, doDnia = 0;
    VARIANT_BOOL otwarty = VARIANT_FALSE;
    CheckHost(okres->get_DataOd(&od));
    CheckHost(okres->get_DataDo(&doDnia));
    CheckHost(okres->get_Otwarty(&otwarty));
    return {otwarty != VARIANT_FALSE, CDate(od), CDate(doDnia)};
}

}  // namespace

bool ObjetyWMiesiacu(IPracownikDane* osoba, CDate dzien) {
    if (!osoba) RaiseComError(E_POINTER, u"Brak pracownika");
    // The records stay held while the walk compares them by identity.
    std::vector<tlx::ComPtr<IPracEtat>> odczytane;
    const ZapisWDniu zapisWDniu = [&](CDate dzien) -> std::optional<ZapisDatowany> {
        tlx::ComPtr<IPracEtat> zapis;
        CheckHost(osoba->GetEtat(dzien.Value(), tlx::Variant::Missing(), zapis.Out()));
        if (!zapis) return std::nullopt;
        odczytane.push_back(zapis);
        return ZapisDatowany{zapis.Get(), CzytajOkres(zapis.Get(), &IPracEtat::get_OkresWaznosci),
                             CzytajOkres(zapis.Get(), &IPracEtat::get_OkresZatrudnienia)};
    };
    return ObjetyWMiesiacu(zapisWDniu, dzien);
}

bool ObjetyWMiesiacu(const ZapisWDniu& zapisWDniu, CDate dzien) {
    DniMiesiaca dni(dzien);
    auto zapis = WymaganyZapis(zapisWDniu, dzien);
    if (zapis.objecie.od.IsEmpty()) return false;
    dni.Usun(zapis.objecie);
    if (!zapis.objecie.otwarty && zapis.objecie.doDnia < dzien) {
        const auto pierwszy = zapis;
        // A record valid without end is the chain's last.
        for (int krok = 0; krok < kMaxKrokowLancucha && !dni.Puste() && !JestOstatni(zapis); ++krok) {
            const auto nastepny = WymaganyZapis(zapisWDniu, zapis.waznosc.doDnia.AddDays(1));
            if (nastepny.tozsamosc == zapis.tozsamosc || nastepny.tozsamosc == pierwszy.tozsamosc ||
                nastepny.waznosc.od == zapis.waznosc.od)
                break;
            if (NumerMiesiaca(nastepny.waznosc.od) != NumerMiesiaca(dzien)) break;
            dni.Usun(nastepny.objecie);
            zapis = nastepny;
        }
    }
    return dni.Puste() || dni.UsunietoDzien();
}
