#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kDog = {{
    {Rat,
     "A Dog meeting a Rat for the first time may keep one eye half closed, since the Rat's quick "
     "tongue and nose for a bargain can look like cunning to a sign that prizes plain dealing. "
     "That caution rarely lasts. Once the Dog sees how hard the Rat works to keep its loved ones "
     "fed, warm and well placed, suspicion turns into solid respect, and the pair discover they "
     "want much the same thing: a safe den and a loyal circle. The Rat contributes wit, thrift "
     "and an eye for openings; the Dog contributes conscience, patience and a readiness to stand "
     "between the household and any threat. Friends of this sort trade favours without keeping "
     "score. Occasionally a clever shortcut by the Rat offends the Dog's sense of fairness, or "
     "the Dog's fretting wears on the Rat's nerves, yet an honest conversation over supper "
     "usually clears the air. Warm, practical and quietly affectionate, this pairing tends to "
     "grow stronger with every shared year.",
     "On the compatibility scale of one to ten, Dog and Rat earn a warm and well-deserved eight."},
    {Ox,
     "Dogs and Oxen take life seriously, and that shared gravity makes them comfortable together "
     "from the start. What the Dog values most in the Ox is its reliability: an Ox turns up, "
     "keeps its word and finishes what it begins, which settles the Dog's restless worries better "
     "than any pep talk. The pair shine in practical matters such as running a household, saving "
     "money or building a business brick by brick, where the Ox's endurance meets the Dog's sense "
     "of duty and fair play. Affection between them shows itself in deeds rather than speeches, a "
     "mended gate or a meal kept warm for a late return. The rubs come from stubbornness, since "
     "neither likes to yield, and from a difference in pace; the Ox decides slowly and silently, "
     "while the Dog wants to talk a problem through until it feels settled. If the Dog allows the "
     "Ox its silences and the Ox voices a little more of what it feels, they enjoy a calm, sturdy "
     "partnership.",
     "On the compatibility scale of one to ten, Dog and Ox reach a steady seven."},
    {Tiger,
     "Put a Dog beside a Tiger and you often find a pair of crusaders. Both signs are moved by "
     "ideals, and each admires a quality the other has in abundance: the Tiger's fearless dash, "
     "the Dog's unshakeable constancy. The Tiger's warmth and daring pull the Dog out of its "
     "habit of expecting the worst, while the Dog gives this roaming cat a trustworthy home base "
     "without ever trying to lock the door. Love here feels like a partnership of equals, "
     "passionate yet faithful. As friends they will defend each other fiercely and turn up at "
     "midnight if called. Colleagues notice that the Tiger sets the bold direction and the Dog "
     "quietly makes sure nobody is trampled on the way. Sparks do fly now and then, usually when "
     "the Tiger acts on a whim or the Dog slips into lecturing, but the sparks are brief, and "
     "their shared sense of honour pulls them back together every time.",
     "On the compatibility scale of one to ten, Dog and Tiger have a near perfect score of nine."},
    {Rabbit,
     "The Rabbit has a gift the Dog rarely possesses, the ability to soothe, and that is much of "
     "the charm of this match. With a kind word, a tidy room and an evening free of drama, a "
     "Rabbit can quiet the watchful Dog better than almost anyone. What the Dog offers back is "
     "equally precious to the Rabbit: a protector who is honest to the bone and will never "
     "whisper behind its back. Their bond tends to deepen gradually, rooted in trust, good "
     "manners and a shared love of a peaceful, orderly home. Friendship between them is gentle "
     "and thoughtful, full of conversations that stretch long into the night. The delicate point "
     "is conflict. A Rabbit prefers to slip away from an argument, whereas a Dog needs grievances "
     "said aloud, and the Dog's bluntness can bruise a tender Rabbit heart. When both learn to "
     "meet halfway, they share an affection that is gracious, trustworthy and built to last.",
     "On the compatibility scale of one to ten, Dog and Rabbit score a healthy eight."},
    {Dragon,
     "Of all the pairings open to a Dog, the one with the Dragon tends to be the stormiest, which "
     "is fitting for signs placed six years apart in the cycle. A Dragon thrives on grand "
     "schemes, applause and a bit of theatre, whereas the Dog distrusts glitter and instinctively "
     "checks big promises for hidden cracks. What the Dragon calls vision, the Dog is liable to "
     "call vanity; what the Dog calls honesty, the Dragon hears as nagging. Neither is inclined "
     "to give way, and a quarrel between them can harden into a lasting standoff. Shared work is "
     "strained because the Dragon expects to command while the Dog insists on asking whether the "
     "orders are just. Even their ideas of fun differ, the Dragon seeking the spotlight and the "
     "Dog preferring a small, trusted circle. None of this makes either of them a bad person, and "
     "they can respect each other from a polite distance, but a home or business together would "
     "ask for far more compromise than they usually have.",
     "On the compatibility scale of one to ten, Dog and Dragon have a poor score of two."},
    {Snake,
     "An open-hearted Dog and a guarded Snake look like an odd couple on paper, yet in practice "
     "they often fit together remarkably well. The Snake's calm wisdom impresses the Dog, who "
     "tends to fret, because the Snake can read a tense situation without losing its composure. "
     "To the Snake, the Dog is a rare find: a companion whose word can be taken at face value and "
     "whose loyalty never wavers. Romance between them blends the Snake's elegance and depth with "
     "the Dog's steady devotion, and both feel safe enough to relax. In shared projects the Snake "
     "plots the route quietly while the Dog carries the load with integrity. A Snake can be "
     "possessive and secretive, which may unsettle a Dog, and the Dog can moralise in a way the "
     "Snake finds tiresome. Those are small stones in the road, though, and the pair usually "
     "travel on together warmly and in good harmony.",
     "On the compatibility scale of one to ten, Dog and Snake reach a very good eight."},
    {Horse,
     "The mood lifts when a Dog and a Horse are in the same room. The Horse brings energy, "
     "laughter and a taste for adventure that coaxes the cautious Dog out into the wider world, "
     "and the Dog repays it with honesty, good sense and an affection that does not waver when "
     "the excitement fades. Crucially, both respect personal freedom. The Dog does not try to "
     "rein the Horse in, and the Horse does not mock the Dog's principles, so love has room to "
     "breathe. Their friendships are frank and generous, and a joint venture benefits from the "
     "Horse's charm with people and the Dog's nose for anything crooked. The Horse is especially "
     "good at snapping the Dog out of a gloomy spell, while the Dog forgives the Horse's "
     "impatience with surprising ease. The only real worry is the Horse's appetite for novelty, "
     "which can make the Dog anxious from time to time. Otherwise this is among the happiest "
     "matches a Dog can make.",
     "On the compatibility scale of one to ten, Dog and Horse score an excellent nine."},
    {Sheep,
     "Dog and Sheep are both good-hearted, yet they have a talent for misunderstanding each "
     "other. The Sheep is artistic, sensitive and hungry for reassurance; the Dog expresses love "
     "through loyalty and straight talk, which the Sheep can hear as criticism. To the Dog, the "
     "Sheep may seem moody and unable to make up its mind, while the Sheep may find the Dog "
     "gloomy and hard to please. Since both lean towards worry, a shared household can become a "
     "place where anxieties echo instead of settling. Money is a further sore spot, the Sheep "
     "spending on beauty and comfort, the Dog squirrelling savings away for bad times. The match "
     "is difficult, not doomed. If the Dog learns to offer praise as freely as advice, and the "
     "Sheep says what it feels instead of retreating into silence, the pair can reach a gentle "
     "balance, though it will demand patience and take time to pay off.",
     "On the compatibility scale of one to ten, Dog and Sheep manage only four."},
    {Monkey,
     "A Monkey is one of the few signs able to make a Dog laugh at itself, and that alone counts "
     "for a great deal. Behind the jokes the Dog soon finds a quick, resourceful mind that can "
     "solve almost any practical problem, and it learns to admire the Monkey's cleverness. The "
     "Monkey gets something equally valuable: a friend who tells it the truth, stays calm in a "
     "crisis and cannot be charmed into betrayal. As lovers they balance each other neatly, the "
     "Monkey keeping life from growing dull and the Dog keeping it from tipping into chaos. On a "
     "shared project the Monkey invents the solutions and the Dog tests whether they are honest "
     "and workable. The Dog may sometimes suspect a trick where there is only mischief, and the "
     "Monkey may bristle at being lectured. Handled with humour, these small frictions fade, and "
     "what remains is a strong, affectionate, mutually admiring bond.",
     "On the compatibility scale of one to ten, Dog and Monkey enjoy a strong score of eight."},
    {Rooster,
     "The Dog and the Rooster share a love of order and a habit of speaking frankly, and oddly "
     "enough that is where their trouble begins. The Rooster is proud, exacting and quick to "
     "point out what is wrong; the Dog is principled and bristles when it feels judged. Two such "
     "voices under one roof can turn a disagreement about the dishes into a debate about "
     "character. The Rooster's pleasure in appearances may strike the Dog as shallow, and the "
     "Dog's pessimism can deflate the Rooster's schemes before they are hatched. Even so, the "
     "partnership has genuine assets. Both are industrious, devoted to family and committed to "
     "doing a job properly, and when they aim at a common goal they can be formidable. It helps "
     "if the Dog stops hearing every remark as an attack and the Rooster wraps its corrections in "
     "warmth. Workable with effort, this match is seldom easy, and both should expect to keep "
     "negotiating.",
     "On the compatibility scale of one to ten, Dog and Rooster have an average score of five."},
    {Dog,
     "Two Dogs understand each other almost without speaking. They hold the same values, honesty, "
     "faithfulness and a hatred of injustice, and they extend trust to each other quickly and "
     "keep it. A home run by a pair of Dogs is usually safe, tidy and fiercely protective of "
     "everyone inside it. The catch is that each partner is a natural worrier, and with nobody to "
     "lighten the mood, a small fear can be passed back and forth until it looks enormous. Both "
     "can also dig in over a point of principle, producing arguments that circle without ending. "
     "Their romance tends to be steady rather than thrilling, so it pays to invite novelty "
     "deliberately, through travel, hobbies or new friends. As colleagues and companions they are "
     "dependable and united behind any cause they believe in. With a little laughter and a "
     "readiness to drop old grudges, Dogs paired together can settle into a comfortable and "
     "enduring life.",
     "On the compatibility scale of one to ten, two Dogs have a comfortable score of seven."},
    {Boar,
     "Sincerity is what first draws the Dog to the Boar. A Boar says what it means, gives "
     "generously and enjoys life's pleasures without apology, and this easy warmth can loosen up "
     "a Dog that usually scans the horizon for danger. The Dog, for its part, supplies "
     "steadiness, protection and shrewd advice, which the trusting Boar sometimes badly needs "
     "when others try to exploit its good nature. Their love is relaxed and kindly, and their "
     "door is usually open to friends and relatives. Side by side at work, the diligent Boar and "
     "the conscientious Dog get through a great deal without fuss. Friction arises over "
     "priorities: the cautious Dog may frown at the Boar's spending and fondness for comfort, "
     "while the Boar may find the constant worrying tiresome. Neither holds a grudge for long, "
     "however, so their disputes are settled calmly, leaving a pleasant pairing with only a few "
     "rough edges.",
     "On the compatibility scale of one to ten, Dog and Boar score a friendly seven."},
}};

}  // namespace zodiac::content::pairs
