#include "mv_deklaracje/zus/PrzejscieWierszy.h"

#include <optional>

bool PrzejdzWiersze(const std::vector<std::uint32_t>& kodyTytulow, CWstrzymaneSwiadczenia& wstrzymane,
                    const std::function<bool(std::size_t)>& kwalifikuj,
                    const std::function<void(std::size_t)>& zapisz) {
    std::optional<std::size_t> oczekujacy;
    bool zapisano = false;
    // The held row goes out with its own benefits, which then are no longer held.
    auto zapiszOczekujacy = [&] {
        wstrzymane.Zwolnij();
        zapisz(*oczekujacy);
        oczekujacy.reset();
        zapisano = true;
    };
    for (std::size_t i = 0; i < kodyTytulow.size(); ++i) {
        if (oczekujacy && kodyTytulow[*oczekujacy] / 1000 == 11 && kodyTytulow[i] / 10000 != 12)
            zapiszOczekujacy();
        if (kwalifikuj(i)) {
            zapisz(i);
            zapisano = true;
        } else {
            oczekujacy = i;
        }
        // A row of title 1211 took the held benefits with it.
        if (oczekujacy && !wstrzymane.SaWstrzymane()) oczekujacy.reset();
    }
    if (oczekujacy) zapiszOczekujacy();
    return zapisano;
}
