#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kHorse = {{
    {Rat,
     "A Horse who falls for a Rat often feels, sooner or later, that the ground keeps shifting "
     "underfoot. The Horse acts on impulse and speaks its mind in the moment, while the Rat "
     "calculates, saves, and keeps a few plans tucked away where nobody can see them. To the "
     "Horse that looks like secrecy; to the Rat, the Horse's sudden enthusiasms look like a waste "
     "of money and energy. In friendship they can enjoy a lively evening together, since both are "
     "quick and sociable, but deeper trust is slow to arrive. At work the Rat wants a strategy "
     "and the Horse wants to get moving, and each feels held back by the other. At home, "
     "arguments over spending and over how much freedom each partner should have can become a "
     "steady background noise. If a Horse wants this to last, it must learn patience with the "
     "Rat's caution and accept that being careful is not the same as being cold.",
     "On the compatibility scale of one to ten, Horse and Rat manage only a low three."},
    {Ox,
     "The Horse runs on enthusiasm; the Ox runs on routine, and that difference shapes everything "
     "between them. An Ox admires the Horse's charm and quick tongue at first, and the Horse is "
     "reassured by how dependable the Ox turns out to be. Trouble starts when the novelty fades. "
     "The Horse wants to change plans on a whim, travel at short notice, and fill the calendar "
     "with friends, while the Ox prefers to finish what was started and spend evenings quietly at "
     "home. The Ox can seem stubborn and slow to the Horse, and the Horse can seem flighty and "
     "careless to the Ox. In business, though, they can do well: the Horse opens doors and wins "
     "people over, and the Ox does the steady work that keeps the promises. Romance is possible "
     "if the Horse accepts some structure and the Ox gives room to roam without taking it as "
     "rejection. Shared goals, such as a house or a business, give them common ground that "
     "feelings alone may not.",
     "On the compatibility scale of one to ten, Horse and Ox have a middling score of five."},
    {Tiger,
     "Put a Horse beside a Tiger and the room seems to get brighter and louder at once. Both love "
     "adventure, both hate being fenced in, and both would rather try something bold and fail "
     "than sit still and wonder. The Horse finds in the Tiger a partner who never asks it to slow "
     "down, and the Tiger finds in the Horse someone who keeps pace with its appetite for life. "
     "Romance between them is passionate and playful, full of spontaneous trips and late-night "
     "conversations about big ideas. As friends they are loyal allies who defend each other "
     "without hesitation. Their quarrels can be fiery because neither likes to back down, yet "
     "they cool off just as fast and rarely hold grudges. At work they make a daring team, best "
     "paired with someone who handles the details. For the Horse, this is a bond built on shared "
     "courage and honest respect.",
     "On the compatibility scale of one to ten, Horse and Tiger reach an excellent nine."},
    {Rabbit,
     "A Horse and a Rabbit can like each other a great deal while wanting quite different lives. "
     "The Rabbit craves calm, beauty and a well-kept home; the Horse wants motion, company and "
     "the open road. At the start, the Horse enjoys the Rabbit's tact and good taste, and the "
     "Rabbit is amused by the Horse's easy laughter. Over time, the Horse's bluntness can wound "
     "the sensitive Rabbit, who tends to withdraw rather than argue, leaving the Horse confused "
     "about what went wrong. The Rabbit may also find the Horse's constant plans tiring, and the "
     "Horse may feel the Rabbit is too cautious to have fun with. As colleagues they manage "
     "better, since the Rabbit smooths over conflicts that the Horse's frankness creates. Love "
     "can work when the Horse learns to speak gently and the Rabbit learns to say plainly what it "
     "needs, instead of hoping the Horse will somehow guess it.",
     "On the compatibility scale of one to ten, Horse and Rabbit earn a hard-won five."},
    {Dragon,
     "The Horse and the Dragon share a hunger for action, and together they seldom run short of "
     "ideas or courage. The Dragon brings vision and a commanding presence; the Horse brings "
     "speed, flexibility and a talent for getting people on board. In romance the attraction is "
     "strong and immediate, and both enjoy a partner who is confident and full of plans. The "
     "Horse is happy to let the Dragon take the spotlight now and then, as long as it keeps its "
     "own freedom. Friends of this pair often notice how much they laugh together and how quickly "
     "they recover from disagreements. The main risk is that both can be headstrong, so a clash "
     "of wills over who leads may flare up. At home they need some shared rituals, or they may "
     "drift into separate adventures. Still, for a Horse, a Dragon is an inspiring companion and "
     "a partner worth keeping.",
     "On the compatibility scale of one to ten, Horse and Dragon score a strong eight."},
    {Snake,
     "The Horse lives out loud, and the Snake lives behind a curtain, which makes this pairing "
     "intriguing but tiring. A Horse is drawn to the Snake's poise and quiet intelligence, and "
     "the Snake enjoys the Horse's warmth and energy. Soon, though, the Snake begins to want more "
     "closeness and commitment than the Horse is used to giving, and the Horse can feel watched "
     "or hemmed in. The Snake, in turn, is hurt by the Horse's habit of blurting out whatever it "
     "thinks and dashing off to the next plan. Money and privacy are frequent sore points, since "
     "the Snake keeps careful counsel and the Horse shares everything. At work the Snake's "
     "strategy and the Horse's drive can complement each other if roles are clear. For love to "
     "last, both will need patience, and the Horse especially must show that independence does "
     "not mean indifference.",
     "On the compatibility scale of one to ten, Horse and Snake have a shaky score of four."},
    {Horse,
     "When a Horse meets another Horse, the pair recognise each other almost instantly: same "
     "restlessness, same cheerful frankness, same love of being on the move. They understand "
     "without explanation why the other needs space, and neither tries to tie the other down. "
     "That makes for an easygoing romance full of travel, friends and new projects. Conversation "
     "is quick and honest, and there is rarely any hidden resentment, because both say what they "
     "feel on the spot. The difficulty is that nobody in this couple naturally minds the "
     "practical side: bills, repairs and long-term plans can slide. Tempers flare quickly too, "
     "and a pair of stubborn Horses can gallop in opposite directions over a small matter. Yet "
     "they forgive fast. If they agree on who handles what, a Horse and its twin in temperament "
     "make a lively, loyal and very happy team.",
     "On the compatibility scale of one to ten, two Horses score a spirited eight."},
    {Sheep,
     "The Horse and the Sheep fit together better than many people expect. The Horse brings "
     "optimism, energy and a readiness to take on the world, while the Sheep offers tenderness, "
     "imagination and a home that feels like a refuge. A Horse often finds that coming back to a "
     "Sheep after a busy day is the best part of it. The Sheep, who tends to worry, is steadied "
     "by the Horse's confidence and practical bravery. In love they are affectionate and "
     "considerate, and in friendship they enjoy art, music and good food together. Small rubs "
     "come from tempo: the Horse decides in a flash, and the Sheep wants time to think and feel "
     "its way. The Horse should also watch its tongue, because the Sheep takes harsh words to "
     "heart. With a little care, this becomes a warm and generous partnership, and one that both "
     "partners are proud to show the world.",
     "On the compatibility scale of one to ten, Horse and Sheep have a warm score of eight."},
    {Monkey,
     "A Horse and a Monkey have fun together, but fun alone may not hold them for long. Both are "
     "quick, sociable and curious, and a first meeting can turn into hours of banter and "
     "laughter. The Monkey's cleverness delights the Horse, and the Horse's directness amuses the "
     "Monkey. The strain appears once trust is needed. The Monkey enjoys games, tricks and clever "
     "angles, and the straightforward Horse can feel manipulated when it discovers one of them. "
     "The Horse, meanwhile, may seem too hasty and too proud to the Monkey, who likes to keep its "
     "options open. At work they can be an inventive pair if someone else checks the details, "
     "since neither loves routine. In romance there is spark, yet both tend to wander when bored. "
     "The Horse does best here by keeping its sense of humour and asking plainly for honesty, "
     "rather than trying to outwit a sign that was born for that game.",
     "On the compatibility scale of one to ten, Horse and Monkey reach an uneven five."},
    {Rooster,
     "The Horse and the Rooster are both confident, outspoken signs, and they can enjoy each "
     "other's company in a bright, lively way. The Rooster admires the Horse's energy and charm, "
     "while the Horse appreciates the Rooster's sharp mind and well-organised approach to life. "
     "In friendship they are entertaining company and rarely bored. The rub comes from style: the "
     "Rooster likes order, punctuality and things done properly, and the Horse prefers to "
     "improvise and resents being corrected. If the Rooster critiques too much, the Horse bolts; "
     "if the Horse is careless with promises, the Rooster sulks. Romance works when they allow "
     "each other to shine, because both like admiration. At work the Rooster can plan and the "
     "Horse can sell. All in all, the Horse finds this a comfortable and stimulating partnership "
     "that needs a little tact now and then.",
     "On the compatibility scale of one to ten, Horse and Rooster score a comfortable six."},
    {Dog,
     "Few partners suit a Horse as naturally as a Dog. The Dog is loyal, honest and fair, and the "
     "Horse, who values plain speaking, never has to guess where it stands. In return, the Horse "
     "lifts the Dog's spirits, easing its worries with humour and enthusiasm. The Dog is happy to "
     "let the Horse roam, trusting that it will come home, and that trust is exactly what makes "
     "the Horse want to return. As lovers they are affectionate and playful, sharing a love of "
     "the outdoors and of causes they believe in. As friends they stand up for each other in "
     "public and tell each other the truth in private. Disagreements tend to be short and open, "
     "with no grudges afterwards. In work or family life, the Dog brings steady principles and "
     "the Horse brings drive. For a Horse, this is one of the warmest and most dependable bonds "
     "there is, and friends often see them as a model of easy trust.",
     "On the compatibility scale of one to ten, Horse and Dog have a near perfect score of nine."},
    {Boar,
     "A Horse and a Boar get along with a relaxed good nature that makes time together pleasant. "
     "The Boar is generous, sincere and fond of comfort, and it welcomes the Horse's stories and "
     "zest without jealousy. The Horse, for its part, enjoys the Boar's kindness and the fact "
     "that it seldom makes demands. In friendship they share meals, parties and plenty of "
     "laughter. The minor friction comes from pace and priorities: the Horse is always off to the "
     "next thing, while the Boar would happily linger over a long dinner and a slow weekend. The "
     "Boar may feel neglected if the Horse is out too often, and the Horse may grow impatient "
     "with the Boar's indulgence. At work, the Boar is reliable and the Horse energetic, which "
     "suits a small team. With some give and take, this is an easy, friendly match for the Horse, "
     "and one that tends to get better with the years.",
     "On the compatibility scale of one to ten, Horse and Boar have a friendly score of six."},
}};

}  // namespace zodiac::content::pairs
