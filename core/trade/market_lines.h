#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/common/random.h"

namespace fjordheim {

/// A line the counterpart says in the speech bubble and the recording ("MrktAcc1") it is
/// spoken from.
struct TMarketLine {
  const char* Text;
  const char* Recording;
};

/// The market window's bubble lines, each moment with its few variants.
namespace MarketLines {
inline constexpr std::array<TMarketLine, 3> InviteAnswered{{
    {"Hmm.... vent mens jeg kommer med tilbudet mitt.", "MrktAns1"},
    {"Jeg vurderer hva jeg skal tilby deg... Vent", "MrktAns2"},
    {"Nå skal du få et godt tilbud. Vent litt...", "MrktAns3"},
}};
inline constexpr std::array<TMarketLine, 3> InviteAccepted{{
    {"Vær hilset, høvding. Hva vil du handle med? Kom med et tilbud.", "MrktAcc1"},
    {"Velkommen høvding. Foreslå noe vi kan bytte.", "MrktAcc2"},
    {"Hei. La meg se hva du har å tilby høvding. ", "MrktAcc3"},
}};
inline constexpr std::array<TMarketLine, 3> ProposalAccepted{{
    {"Jeg godtar byttet.", "MrktPA1a"},
    {"Det ble et bra bytte.", "MrktPA2a"},
    {"Jeg er fornøyd med byttet. Du er en flink handelsmann.", "MrktPA3a"},
}};
inline constexpr std::array<TMarketLine, 3> ProposalDeclined{{
    {"Nei, det går jeg ikke med på.", "MrktNo1a"},
    {"Det var ikke noe bra tilbud.", "MrktNo2a"},
    {"Jeg bytter ikke med hva som helst.", "MrktNo3a"},
}};
inline constexpr std::array<TMarketLine, 3> Considering{{
    {"Hmm... det må jeg overveie.", "MrktRea1"},
    {"Hmmm...  Jeg må tenke litt...", "MrktRea2"},
    {"Jeg vurderer byttet... Vent.", "MrktRea3"},
}};
inline constexpr std::array<TMarketLine, 4> Proposing{{
    {"Hva sier du til dette tilbudet?", "MrktPrp1"},
    {"Her får du et godt tilbud.", "MrktPrp2"},
    {"La oss bytte disse varene.", "MrktPrp3"},
    {"Skal vi slå til på dette byttet?", "MrktPrp4"},
}};
inline constexpr std::array<TMarketLine, 2> PlayerAccepted{{
    {"Det er en fornøyelse å handle med deg. Har du flere forslag?", "MrktARe1"},
    {"Det ble et bra bytte. Vil du bytte mer?", "MrktARe2"},
}};
inline constexpr std::array<TMarketLine, 2> PlayerDeclined{{
    {"Neivel. Foreslå noe annet vi kan bytte.", "MrktDRe1"},
    {"Neivel ikke det. Hva kan du tilby da?", "MrktDRe2"},
}};
}  // namespace MarketLines

/// One of the variants, drawn with the game's generator.
const TMarketLine& PickMarketLine(std::span<const TMarketLine> lines, TRandom& random);

/// The market window's messages and questions.
namespace MarketTexts {
inline constexpr const char* ChooseMarket = "Velg hvilket marked du vil reise til.";
inline constexpr const char* NobodyChosen = "Du har ikke valgt noen du vil invitere til handel.";
inline constexpr const char* NotYourself = "Du kan ikke handle med deg selv.";
inline constexpr const char* AlreadyInvited = "Du har allerede invitert en handelsmann.";
inline constexpr const char* Invites = " vil handle med deg. Sier du ja til invitasjonen?";
inline constexpr const char* TiredOfWaiting = "Han ble lei av å vente.";
inline constexpr const char* DeclinesInvitation = " avslår innvitasjonen.";
inline constexpr const char* IsBusy = " er opptatt.";
inline constexpr const char* TradesNoMore = " vil ikke handle mer!";
inline constexpr const char* WarningTitle = "Advarsel";
inline constexpr const char* OneSidedProposal =
    "Du gir et bud ved å dra varer fra BÅDE deg og din handelspartner ut på bordet. Ditt forslag inneholder ikke "
    "handelsvarer fra begge parter. Vil du foreslå dette byttet likevel?";
inline constexpr const char* WaitForAnswer = "Vent og se om handelsmannen vil handle med deg";
inline constexpr const char* PickPerson = "Klikk på navnet til den personen du er intressert i å handle med.";
inline constexpr const char* HowToTrade =
    "Dra varer ut på bordet og trykk Foreslå. En rød prikk er en vare som trengs, men mangler.";
inline constexpr const char* ThisIsYou = "Dette er deg selv.";
}  // namespace MarketTexts

/// How long an accepted trade stands on the trading page, the goods that changed hands framed
/// in their new places, before the counterpart's next step is shown.
inline constexpr std::int32_t TradeShownMs = 3000;

/// The coins that ring when goods change hands.
inline constexpr const char* TradeSound = "mono\\mynter.wav";

/// Where the counterpart's trading picture ("trade" + number) is copied into the trading
/// page's background, for picture numbers 0 to 11; other numbers are put at 0, 0.
struct TPicturePlace {
  int X = 0;
  int Y = 0;
};
TPicturePlace TradingPicturePlace(std::int32_t imageNo);

}  // namespace fjordheim
