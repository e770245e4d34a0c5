#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kTiger = {{
    {Rat,
     "A Tiger is drawn to the Rat's quick mind at first, since few signs can match the Rat for "
     "clever talk and sharp observations over dinner. The trouble begins once daily life settles "
     "in. The Rat counts every coin and plans several moves ahead, while the Tiger spends on "
     "impulse and leaps before looking, so money becomes a recurring sore point. The Tiger may "
     "read the Rat's careful scheming as slyness, and the Rat may see the Tiger's bold gestures "
     "as reckless showing off. Friends of this kind enjoy lively debates, but neither likes to "
     "concede the last word. At work the Rat spots openings the Tiger would overlook, and the "
     "Tiger has the nerve to seize them, which is a genuine strength if they can share credit. "
     "Romance between them needs patience: the Tiger must honour the Rat's need for security, and "
     "the Rat must stop trying to manage the Tiger from behind the scenes.",
     "On the compatibility scale of one to ten, Tiger and Rat have a shaky score of four."},
    {Ox,
     "Two strong wills meet when a Tiger falls for an Ox, and neither is in the habit of backing "
     "down. The Ox moves at its own steady pace, trusts routine and tradition, and expects "
     "promises to be kept to the letter. The Tiger, restless and rebellious, wants to break rules "
     "it considers pointless and chase whatever excites it this week. Quietly, the Ox "
     "disapproves, and the Tiger feels judged and fenced in. Arguments tend to end in stalemate, "
     "because the Ox will not budge and the Tiger will not submit. Even so, there is something to "
     "build on. The Ox offers a loyalty and reliability that a Tiger rarely finds elsewhere, and "
     "the Tiger brings colour and daring into the Ox's orderly world. At home the Ox keeps the "
     "accounts straight while the Tiger drags everyone out on adventures. Success depends on "
     "dividing territory clearly so each can lead in its own domain without a constant tug of "
     "war.",
     "On the compatibility scale of one to ten, Tiger and Ox manage only four."},
    {Tiger,
     "When a Tiger pairs with another Tiger, the sparks are immediate and so is the noise. They "
     "share a hunger for excitement, a love of a good cause and a refusal to be told what to do, "
     "which makes the early days thrilling. Later the same traits turn into friction. Both want "
     "to lead, both react first and think afterwards, and both sulk magnificently when they lose. "
     "Quarrels flare quickly and cool just as fast, but they can leave scorch marks. Nobody in "
     "this household is eager to handle the bills, the repairs or the paperwork, so practical "
     "matters drift. As companions, Tigers make a daring team for travel or sport; as colleagues, "
     "they need separate projects to avoid a turf war. A pair of Tigers can make it work if they "
     "aim their energy outward at a shared goal, take turns holding the reins and learn the rare "
     "skill of apologising.",
     "On the compatibility scale of one to ten, two Tigers reach a middling five."},
    {Rabbit,
     "The Tiger tends to see the Rabbit as a graceful, calming presence, someone who makes life "
     "feel softer and more civilised. What the Tiger forgets is how easily its own loud "
     "enthusiasm can rattle that calm. The Rabbit prefers quiet evenings, polite disagreement and "
     "a beautiful, settled home, whereas the Tiger is forever restless, blunt and spoiling for a "
     "new challenge. When the Tiger charges ahead, the Rabbit does not argue; it simply "
     "withdraws, and the Tiger may not notice until the distance is wide. Real tenderness is "
     "possible here, since the Tiger's protective streak makes the Rabbit feel safe, and the "
     "Rabbit's tact can smooth the Tiger's rough edges at parties and in the office. This is a "
     "match that asks the Tiger to lower its voice and the Rabbit to speak up about what bothers "
     "it before resentment hardens.",
     "On the compatibility scale of one to ten, Tiger and Rabbit have an uneven score of five."},
    {Dragon,
     "Big personalities fill the room when a Tiger and a Dragon get together, and for the most "
     "part they enjoy each other's company. Both are energetic, confident and ambitious, and both "
     "admire courage in others, so there is a natural regard between them. The Dragon's grand "
     "plans appeal to the Tiger's appetite for adventure, and the Tiger's daring keeps the Dragon "
     "from getting bored. The catch is the spotlight: each likes to be admired, and a dinner "
     "party can turn into a quiet contest over who tells the better story. As lovers they are "
     "passionate and rarely dull, though neither is terribly patient with the other's moods. On "
     "the job they make a formidable pair when one handles strategy and the other leads the "
     "charge. With a little generosity about sharing the stage, this is a comfortable, lively "
     "union.",
     "On the compatibility scale of one to ten, Tiger and Dragon score a comfortable six."},
    {Snake,
     "The Tiger and the Snake approach life from opposite directions, and it shows almost "
     "immediately. The Tiger is open, impulsive and says what it thinks; the Snake is private, "
     "deliberate and prefers to keep its intentions hidden until the moment is right. To the "
     "Tiger, that reserve feels like secrecy, and it starts to wonder what is being held back. To "
     "the Snake, the Tiger seems rash and noisy, a creature that charges in where careful thought "
     "was needed. Suspicion grows on both sides. A Snake in love can become possessive, which is "
     "exactly what a freedom-loving Tiger cannot bear. Business partnerships suffer from "
     "mismatched timing, since one wants to act today and the other wants to wait and watch. If "
     "they are to get along, it is usually at a polite distance, with plenty of courtesy and few "
     "shared decisions.",
     "On the compatibility scale of one to ten, Tiger and Snake have a low score of three."},
    {Horse,
     "Few pairings suit the Tiger as well as the Horse does. Both are lovers of freedom, motion "
     "and the open road, and neither expects the other to sit at home waiting. The Horse's "
     "cheerful, sociable nature brightens the Tiger's more intense moods, while the Tiger's "
     "courage and idealism give the Horse something worth galloping towards. They understand each "
     "other's need for space without having to explain it, which spares them a great deal of "
     "jealousy and argument. Their romance has warmth, laughter and a shared appetite for new "
     "experiences; as pals they are the ones planning the spontaneous road trip. Occasional "
     "clashes come from impatience, as both can be hot-headed, but the storms pass quickly and "
     "are rarely held against each other. Together they make a bold, affectionate team that keeps "
     "each other young, and their friends often envy the easy rhythm they share.",
     "On the compatibility scale of one to ten, Tiger and Horse score a splendid nine."},
    {Sheep,
     "The Tiger often feels a protective tenderness towards the Sheep, and the Sheep appreciates "
     "having such a bold champion in its corner. Beyond that first warmth, though, their needs "
     "pull in different directions. The Sheep longs for security, reassurance and a peaceful "
     "home, and it worries about things the Tiger has never even considered. The Tiger, eager for "
     "adventure and impatient with hesitation, may find the Sheep's anxieties tiresome and its "
     "moods hard to read. The Sheep, in turn, can feel bruised by the Tiger's bluntness and "
     "alarmed by its risky choices, above all where money is involved. Among friends the Sheep's "
     "gentle creativity can soften the Tiger, and at work the Sheep adds care to the Tiger's "
     "rushed projects. This pairing requires the Tiger to slow down and listen, and the Sheep to "
     "voice its fears plainly rather than hoping to be understood.",
     "On the compatibility scale of one to ten, Tiger and Sheep struggle to reach four."},
    {Monkey,
     "Trouble tends to follow the Tiger and the Monkey, largely because they bring out the worst "
     "in each other. The Monkey loves to tease, outwit and play tricks, and the Tiger takes its "
     "own dignity very seriously. What the Monkey sees as harmless fun, the Tiger feels as "
     "mockery, and a wounded Tiger does not forgive easily. Both are competitive, so a friendly "
     "game quickly becomes a battle of egos. The Monkey's cleverness lets it wriggle out of any "
     "argument, which only makes the Tiger angrier, while the Tiger's open aggression makes the "
     "Monkey even more slippery. Trust is thin; neither quite believes the other has its "
     "interests at heart. They can admire each other's talent from a distance, and short projects "
     "may go well if roles are strictly defined, but long-term closeness is a hard road that few "
     "of these couples choose to travel.",
     "On the compatibility scale of one to ten, Tiger and Monkey sink to a meagre two."},
    {Rooster,
     "A Rooster notices everything, and it rarely keeps its observations to itself, which is a "
     "problem for a Tiger who dislikes being corrected. The Rooster values order, punctuality and "
     "precision; the Tiger acts on instinct and makes plans up as it goes. When the Rooster "
     "points out the flaws in a Tiger's latest scheme, the Tiger hears criticism rather than "
     "help, and a proud standoff follows. Both enjoy attention and can be vain about their "
     "appearance and their opinions, so competition simmers. On the brighter side, the Rooster's "
     "hard work and organisation could turn a Tiger's bold ideas into real results, and the "
     "Tiger's courage can loosen the Rooster's rigid habits. Love here is possible with effort, "
     "provided the Rooster learns to praise before it critiques and the Tiger accepts that a "
     "little planning is not a cage.",
     "On the compatibility scale of one to ten, Tiger and Rooster have a difficult score of four.", Join::Directly},
    {Dog,
     "The Tiger finds a true ally in the Dog. Both signs care deeply about fairness and will "
     "stand up for the underdog, so they often meet while fighting for the same cause. The Dog is "
     "loyal, honest and steady, qualities that give the Tiger a secure base from which to roam. "
     "In return the Tiger brings excitement, warmth and a contagious confidence that lifts the "
     "Dog out of its occasional gloom and worry. Each admires the other's integrity, which makes "
     "trust come easily. At home the Dog is happy to handle the practical details, and the Tiger "
     "is happy to let it, though the Tiger should remember to say thank you. Rough moments arise "
     "when the Tiger's restlessness makes the Dog anxious, but a frank conversation usually "
     "clears the air. Over the years they can become a formidable force for good in their "
     "community. This is a warm, principled partnership with lasting potential.",
     "On the compatibility scale of one to ten, Tiger and Dog have a near perfect score of nine."},
    {Boar,
     "Good humour carries the Tiger and the Boar a long way. The Boar is easygoing, generous and "
     "sincere, and it has no wish to compete with the Tiger for control, which suits the Tiger "
     "perfectly. The Tiger, meanwhile, admires the Boar's kindness and its talent for enjoying "
     "life without fuss. Together they share a taste for good food, lively company and "
     "spur-of-the-moment outings. Friction is modest: the Tiger can grow bossy when the Boar "
     "seems too content to drift, and the Boar may feel hurt if the Tiger dismisses its feelings "
     "in a hurry. The Boar's love of comfort may also clash with the Tiger's urge to go somewhere "
     "new. Both, however, are honest enough to clear up misunderstandings quickly, and neither "
     "holds a grudge for long. Whether as friends, lovers or colleagues, they tend to make a "
     "relaxed, affectionate pairing.",
     "On the compatibility scale of one to ten, Tiger and Boar reach a solid seven."},
}};

}  // namespace zodiac::content::pairs
