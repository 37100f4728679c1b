#include "app/how_to_play_text.h"

#include "odds/shipped_odds.h"

namespace quirvanto {

namespace {

constexpr const char* kKeysAndRules = R"(
<h1>How to play</h1>
<p>You start with 10 credits. Set a bet, spin the 3 x 3 grid, and win on its three rows.</p>
<h2>Keys</h2>
<table cellpadding="3">
<tr><th align="left">Key</th><th align="left">What it does</th></tr>
<tr><td>A, Z</td><td>raise or lower the bet (never above the credits)</td></tr>
<tr><td>ENTER</td><td>take the bet from the credits and spin</td></tr>
<tr><td>1, 2, 3</td><td>after a spin that shows a 5: hold a column; ENTER spins the others once more</td></tr>
<tr><td>SPACE</td><td>stop the bonus wheel, the Skill chance light, or a bonus game's marker; Go! in Horse racing</td></tr>
<tr><td>1, 2</td><td>High or Low: the choice</td></tr>
<tr><td>ESC</td><td>leave a bonus game at once (a prize not yet won is lost); on the title screen, leave the game</td></tr>
<tr><td>5, then 1</td><td>on the title screen: insert a coin of 10 credits, then go back to the machine</td></tr>
<tr><td>F1</td><td>this window; ESC closes it. The game goes on behind it.</td></tr>
</table>
<h2>Rules</h2>
<ul>
<li>A row with two equal numbers wins the bet ("Any 2: Bet x1"); three equal numbers win it
three times ("Any 3: Bet x2" as well).</li>
<li>After each spin the big number lights that many letters; all nine lit pay three times the bet
straight into the credits ("Zavri Bonus x3").</li>
<li>A 5 anywhere on the grid offers a hold: hold columns with 1, 2, 3 and spin the others once more,
free.</li>
<li>A line win is not paid: it goes on the bonus wheel, which you stop with SPACE. Lose takes the
win; Letters Held lights letters for nothing more; Skill chance pays 27 times the bet if you stop
its light on the last letter; each bonus game takes the win as its stake.</li>
<li>When the credits run out, the title screen takes coins.</li>
</ul>
<h2>What each bonus game pays</h2>
<table cellpadding="3">
<tr><td>Horse racing</td><td>press Go! faster than the others run: your runner first past the line
wins the stake</td></tr>
<tr><td>Ladder</td><td>stop the marker: x6, x5, x4, x3 or x2 the stake beside a prize, nothing beside
Lose</td></tr>
<tr><td>High or Low</td><td>guess whether the next number (1 to 1000) is higher or lower; equal wins
too: the stake</td></tr>
<tr><td>Double Bet</td><td>stop the marker beside a Win row: the stake</td></tr>
<tr><td>Double Zavri</td><td>stop five times on the multiplier, x1 to x5: 120 times the stake;
a stop on Lose loses it all</td></tr>
</table>
)";

QString percent(double value) {
    return QString::number(value, 'f', 1) + QStringLiteral(" %");
}

}  // namespace

QString howToPlayHtml() {
    const odds::ShippedOdds& o = odds::kShippedOdds;
    QString html = QString::fromUtf8(kKeysAndRules);
    html += QStringLiteral(
                "<h2>The odds</h2><p>Over a million spins at bet 1, a player who stops every "
                "light at a random moment, holds the best columns, guesses High or Low by the "
                "number shown and presses Go! 8 times a second gets back %1 credits for every "
                "credit bet. %2 of spins win a line; %3 offer a hold.</p>")
                .arg(QString::number(o.returnPerCredit, 'f', 2), percent(o.winningSpins),
                     percent(o.holdsOffered));
    html += QStringLiteral(
        "<table cellpadding=\"3\"><tr><th align=\"left\">Game</th><th align=\"right\">played "
        "per 100 spins</th><th align=\"right\">share of what is paid back</th></tr>");
    for (const odds::ShippedGame& game : o.games) {
        html +=
            QStringLiteral(
                "<tr><td>%1</td><td align=\"right\">%2</td><td "
                "align=\"right\">%3</td></tr>")
                .arg(QString::fromUtf8(game.name.data(), static_cast<qsizetype>(game.name.size())),
                     QString::number(game.playedPer100Spins, 'f', 1), percent(game.shareOfReturn));
    }
    html += QStringLiteral(
                "</table><p>From 10 credits at bet 1, half the sessions last %1 "
                "spins or fewer; %2 are still playing after 1000 spins.</p>")
                .arg(o.medianSessionSpins)
                .arg(percent(o.stillPlaying));
    return html;
}

}  // namespace quirvanto
