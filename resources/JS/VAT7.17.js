// VAT-7(17) z wariantami VAT-7K(11) i VAT-7D(8): numeracja pozycji, według której liczy biblioteka "VAT7".
var VAT7_UKLAD = {
    podstawy: ['P_10', 'P_11', 'P_13', 'P_15', 'P_17', 'P_19', 'P_21', 'P_22', 'P_23', 'P_25', 'P_27', 'P_29',
               'P_31', 'P_32', 'P_34'],
    nalezny: ['P_16', 'P_18', 'P_20', 'P_24', 'P_26', 'P_28', 'P_30', 'P_33', 'P_35', 'P_36', 'P_37'],
    pomniejszenia: ['P_38', 'P_39'],
    wntPodatek: 'P_24',
    naliczony: ['P_42', 'P_44', 'P_46', 'P_47', 'P_48', 'P_49', 'P_50'],
    czesci: [['P_12', 'P_11'], ['P_14', 'P_13']],
    inneKwoty: ['P_12', 'P_14', 'P_43', 'P_45'],
    sumaPodstaw: 'P_40',
    sumaNaleznego: 'P_41',
    sumaNaliczonego: 'P_51',
    kasyOdliczenie: 'P_52',
    zaniechanie: 'P_53',
    doWplaty: 'P_54',
    kasyZwrot: 'P_55',
    nadwyzka: 'P_56',
    doZwrotu: 'P_57',
    terminyZwrotu: ['P_58', 'P_59', 'P_60'],
    doPrzeniesienia: 'P_61',
    vatZd: 'P_68',
    liczbaVatZd: 'P_69'
};
