#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/common/random.h"
#include "core/common/translation.h"

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
    {TrMark("Hmm.... vent mens jeg kommer med tilbudet mitt."), "MrktAns1"},
    {TrMark("Jeg vurderer hva jeg skal tilby deg... Vent"), "MrktAns2"},
    {TrMark("Nå skal du få et godt tilbud. Vent litt..."), "MrktAns3"},
}};
inline constexpr std::array<TMarketLine, 3> InviteAccepted{{
    {TrMark("Vær hilset, høvding. Hva vil du handle med? Kom med et tilbud."), "MrktAcc1"},
    {TrMark("Velkommen høvding. Foreslå noe vi kan bytte."), "MrktAcc2"},
    {TrMark("Hei. La meg se hva du har å tilby høvding. "), "MrktAcc3"},
}};
inline constexpr std::array<TMarketLine, 3> ProposalAccepted{{
    {TrMark("Jeg godtar byttet."), "MrktPA1a"},
    {TrMark("Det ble et bra bytte."), "MrktPA2a"},
    {TrMark("Jeg er fornøyd med byttet. Du er en flink handelsmann."), "MrktPA3a"},
}};
inline constexpr std::array<TMarketLine, 3> ProposalDeclined{{
    {TrMark("Nei, det går jeg ikke med på."), "MrktNo1a"},
    {TrMark("Det var ikke noe bra tilbud."), "MrktNo2a"},
    {TrMark("Jeg bytter ikke med hva som helst."), "MrktNo3a"},
}};
inline constexpr std::array<TMarketLine, 3> Considering{{
    {TrMark("Hmm... det må jeg overveie."), "MrktRea1"},
    {TrMark("Hmmm...  Jeg må tenke litt..."), "MrktRea2"},
    {TrMark("Jeg vurderer byttet... Vent."), "MrktRea3"},
}};
inline constexpr std::array<TMarketLine, 4> Proposing{{
    {TrMark("Hva sier du til dette tilbudet?"), "MrktPrp1"},
    {TrMark("Her får du et godt tilbud."), "MrktPrp2"},
    {TrMark("La oss bytte disse varene."), "MrktPrp3"},
    {TrMark("Skal vi slå til på dette byttet?"), "MrktPrp4"},
}};
inline constexpr std::array<TMarketLine, 2> PlayerAccepted{{
    {TrMark("Det er en fornøyelse å handle med deg. Har du flere forslag?"), "MrktARe1"},
    {TrMark("Det ble et bra bytte. Vil du bytte mer?"), "MrktARe2"},
}};
inline constexpr std::array<TMarketLine, 2> PlayerDeclined{{
    {TrMark("Neivel. Foreslå noe annet vi kan bytte."), "MrktDRe1"},
    {TrMark("Neivel ikke det. Hva kan du tilby da?"), "MrktDRe2"},
}};
}  // namespace MarketLines

/// One of the variants, drawn with the game's generator.
const TMarketLine& PickMarketLine(std::span<const TMarketLine> lines, TRandom& random);

/// Every line of every moment, in the order above: the recordings are spoken from these words.
std::vector<TMarketLine> EveryMarketLine();

/// The market window's messages and questions, translated where they are shown.
namespace MarketTexts {
inline constexpr const char* ChooseMarket = TrMark("Velg hvilket marked du vil reise til.");
inline constexpr const char* NobodyChosen = TrMark("Du har ikke valgt noen du vil invitere til handel.");
inline constexpr const char* NotYourself = TrMark("Du kan ikke handle med deg selv.");
inline constexpr const char* AlreadyInvited = TrMark("Du har allerede invitert en handelsmann.");
// Translators: {0} is the name of the player or merchant who invites.
inline constexpr const char* Invites = TrMark("{0} vil handle med deg. Sier du ja til invitasjonen?");
inline constexpr const char* TiredOfWaiting = TrMark("Han ble lei av å vente.");
// Translators: {0} is the name of the invited player or merchant.
inline constexpr const char* DeclinesInvitation = TrMark("{0} avslår innvitasjonen.");
// Translators: {0} is the name of the invited player or merchant.
inline constexpr const char* IsBusy = TrMark("{0} er opptatt.");
// Translators: {0} is the name of the player or merchant who ends the trade.
inline constexpr const char* TradesNoMore = TrMark("{0} vil ikke handle mer!");
inline constexpr const char* WarningTitle = TrMark("Advarsel");
// Translators: the title of the question whether to accept an invitation.
inline constexpr const char* QuestionTitle = TrMark("Spør");
inline constexpr const char* OneSidedProposal =
    TrMark("Du gir et bud ved å dra varer fra BÅDE deg og din handelspartner ut på bordet. Ditt forslag inneholder ikke "
           "handelsvarer fra begge parter. Vil du foreslå dette byttet likevel?");
inline constexpr const char* WaitForAnswer = TrMark("Vent og se om handelsmannen vil handle med deg");
inline constexpr const char* PickPerson = TrMark("Klikk på navnet til den personen du er intressert i å handle med.");
inline constexpr const char* HowToTrade =
    TrMark("Dra varer ut på bordet og trykk Foreslå. En rød prikk er en vare som trengs, men mangler.");
inline constexpr const char* ThisIsYou = TrMark("Dette er deg selv.");
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
