#include "mv_deklaracje/zus/PamiecDRA.h"

#include "mv_deklaracje/zus/Dra.h"

CPamiecDRA::Wyplaty* CPamiecDRA::WyplatyOsoby(IPracownikDane* osoba, const std::u16string& zapytanie) {
    // The person object is held while its payouts are kept, so no other object can take its address.
    if (!osoba || osoba != osoba_.Get() || zapytanie != zapytanie_) return nullptr;
    return &wyplaty_;
}

CPamiecDRA::Wyplaty& CPamiecDRA::ZapamietajWyplaty(IPracownikDane* osoba, const std::u16string& zapytanie,
                                                   Wyplaty wyplaty) {
    osoba_ = tlx::ComPtr<IPracownikDane>(osoba);
    zapytanie_ = zapytanie;
    wyplaty_ = std::move(wyplaty);
    return wyplaty_;
}

LONG CPamiecDRA::WynikDRA(LONG pracownik, LONG kod, const std::function<LONG()>& zapytaj) {
    const std::pair klucz{pracownik, kod};
    if (auto known = wynikiDRA_.find(klucz); known != wynikiDRA_.end()) return known->second;
    const LONG wynik = zapytaj();
    wynikiDRA_.emplace(klucz, wynik);
    return wynik;
}

tlx::Variant CPamiecDRA::Parametr(const std::u16string& klucz, DATE data, const std::function<tlx::Variant()>& czytaj) {
    const std::pair k{klucz, data};
    if (auto known = parametry_.find(k); known != parametry_.end()) return known->second;
    tlx::Variant value = czytaj();
    parametry_.emplace(k, value);
    return value;
}

tlx::ComPtr<IDispatch> CPamiecDRA::WspolnyObiekt(const std::u16string& nazwa,
                                                 const std::function<tlx::ComPtr<IDispatch>()>& utworz) {
    auto& obiekt = obiekty_[nazwa];
    if (!obiekt) obiekt = utworz();
    return obiekt;
}

CPamiecDRA* CPamiecDRA::Raportu(IDRAExt* raport) {
    if (!raport) return nullptr;
    tlx::ComPtr<IDRA> dra;
    if (FAILED(raport->get_DRA(dra.Out()))) return nullptr;
    return DlaDRA(dra.Get());
}

CPamiecDRA* CPamiecDRA::DlaDRA(IDRA* dra) {
    // A DRA of another implementation shares nothing: its reports read everything themselves.
    auto* nasz = dynamic_cast<CDRA*>(dra);
    return nasz ? nasz->PamiecObliczenia() : nullptr;
}
