#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kBoar = {{
    {Rat,
     "The Boar tends to adore the Rat, and with good reason. Rats are bright, resourceful and "
     "sociable, and their sharp eye for opportunity complements the Boar's open-handed, trusting "
     "nature. Where the Boar might be talked into a bad deal, the Rat spots the catch in seconds; "
     "where the Rat might grow tense and calculating, the Boar's easy laughter reminds it to "
     "enjoy what it has earned. Their home is typically comfortable and well stocked, with a "
     "shared fondness for good food, company and a few indulgences. As friends they relish long "
     "dinners and lively gossip. The Boar forgives quickly, which suits the Rat, who occasionally "
     "says more than it should. Tension can arise if the Rat becomes too thrifty for the Boar's "
     "generous tastes, or if the Boar's placid pace frustrates the Rat's ambitions. Such matters "
     "weigh little against the warmth of this pairing, which brings out the best in both.",
     "On the compatibility scale of one to ten, Boar and Rat score a happy eight."},
    {Ox,
     "There is something reassuring about an Ox to a Boar, rather like a well-built farmhouse "
     "with a fire already lit. The Ox is patient, methodical and utterly dependable, and the "
     "Boar, who dislikes intrigue, values a partner that never plays games. What the Boar adds is "
     "sunshine: easy laughter, open-handed hospitality and a talent for turning an ordinary "
     "Sunday into a small feast. Both work hard when work is needed, so shared ventures move "
     "forward steadily, and their home tends to be orderly yet welcoming. The rub lies in "
     "temperament. An Ox can be stubborn and sparing with words, and the Boar may read that quiet "
     "as disapproval; meanwhile the Ox sometimes thinks the Boar too easily tempted by treats and "
     "bargains that are not really bargains. Kindness runs deep on both sides, though, and with a "
     "little give and take they settle into a contented, reliable partnership.",
     "On the compatibility scale of one to ten, Boar and Ox settle at a contented seven."},
    {Tiger,
     "A Boar usually likes a Tiger on sight. The Tiger's courage, enthusiasm and flair appeal to "
     "the Boar's own appetite for a full life, and the Boar's generous, forgiving heart gives the "
     "Tiger a rare sense of being accepted without conditions. Together they can be great fun, "
     "always ready for an outing, a party or a spontaneous trip to the coast. The Boar is a "
     "soothing presence for a Tiger after a hard day, and the Tiger in turn defends the trusting "
     "Boar from people who would take advantage of it. Some rubs are to be expected: the Tiger's "
     "need for excitement and independence may leave the homely Boar feeling neglected, and the "
     "Tiger may lose patience with the Boar's slower, more leisurely tempo. Arguments rarely "
     "last, since the Boar hates discord and the Tiger admires honesty. Affectionate and mostly "
     "carefree, this is an easy match with a few bumps.",
     "On the compatibility scale of one to ten, Boar and Tiger have a pleasant score of seven."},
    {Rabbit,
     "For the Boar, few companions feel as natural as the Rabbit. Both are gentle, peace-loving "
     "and fond of the finer comforts, from good meals to a beautiful home, and both would rather "
     "smooth over a disagreement than wage war about it. The Rabbit brings taste, tact and a "
     "shrewd eye for people, which protects the Boar's trusting heart from those who might "
     "exploit it. The Boar, in return, offers unstinting generosity and a sincerity that makes "
     "the cautious Rabbit feel truly safe. Love between them is tender, sensual and deeply loyal. "
     "Friends see them as gracious hosts whose door is always open and whose table is always "
     "laid. If there is a flaw, it is that both may dodge uncomfortable conversations a little "
     "too long, letting small problems build up quietly. A willingness to speak plainly now and "
     "then is all they need, and this pairing ranks among the Boar's most rewarding.",
     "On the compatibility scale of one to ten, Boar and Rabbit score a glowing nine."},
    {Dragon,
     "The Boar is happy to stand in the Dragon's light without feeling diminished, and that "
     "generosity of spirit is what makes this match work. Dragons are ambitious, dazzling and "
     "full of big plans; the Boar admires them openly and backs them with hard work and good "
     "humour, never competing for the spotlight. The Dragon, in turn, treasures the Boar's "
     "honesty and warmth, and its drive helps the Boar chase goals it might otherwise let drift. "
     "Romance is lively and affectionate, with plenty of shared celebrations and grand gestures. "
     "At home the Boar creates comfort while the Dragon supplies excitement and direction. A "
     "Dragon can be domineering and a Boar can be too indulgent, so some balance is needed, "
     "especially over money and over who makes the big decisions. Mutual goodwill and strengths "
     "that slot neatly together give this couple a strong and happy future.",
     "On the compatibility scale of one to ten, Boar and Dragon reach a strong eight."},
    {Snake,
     "The Boar and the Snake sit opposite each other on the zodiac wheel, and their natures often "
     "feel just as far apart. The Boar is open, trusting and wears its heart on its sleeve; the "
     "Snake is private, strategic and slow to reveal what it thinks. To the Boar, the Snake's "
     "reserve can feel cold or even suspicious, while the Snake may regard the Boar as naive and "
     "too easily led. Money and pleasure can divide them too, since the Snake is careful and "
     "calculating while the Boar loves to spend on enjoyment and friends. There is attraction, "
     "because each has what the other lacks, but turning it into lasting harmony takes work. If "
     "the Snake learns to share its feelings and the Boar stops taking silence as rejection, they "
     "can find a respectful middle ground. Even then it remains a challenging match that needs "
     "patience, reassurance and very clear communication.",
     "On the compatibility scale of one to ten, Boar and Snake have a shaky score of four."},
    {Horse,
     "Boars and Horses both like a good time, so their early days together are often full of "
     "parties, outings and easy laughter. The Horse is lively, talkative and always heading "
     "somewhere new; the Boar enjoys the ride and offers in return a relaxed, generous home base "
     "where the Horse can kick off its boots. Socially they are a hit, since both love company, "
     "food and music. Over time some differences surface. A Horse is restless and fiercely "
     "independent and may grow bored with the Boar's contentment, while the Boar can feel quietly "
     "hurt when its partner vanishes for days on a private adventure. The Horse's blunt tongue "
     "also lands harder on the Boar than the Horse realises. None of this is serious if the Boar "
     "grants freedom without sulking and the Horse makes a point of coming home with stories and "
     "affection. Handled that way, the bond remains easy, friendly and pleasantly uncomplicated.",
     "On the compatibility scale of one to ten, Boar and Horse earn a fair six."},
    {Sheep,
     "A Boar and a Sheep together create one of the gentlest households imaginable. Both are "
     "kind, artistic and devoted to comfort, and each understands the other's need for peace and "
     "pleasure without a word of explanation. The Sheep brings imagination, grace and a refined "
     "eye, turning their rooms into a cosy retreat; the Boar provides generosity, stability and "
     "cheerful good sense, reassuring the Sheep whenever its worries creep in. Their love is warm "
     "and sensual, and quarrels are forgiven almost as soon as they begin. They tend to gather a "
     "circle of loyal friends who come for the hospitality and stay for the kindness. The one "
     "caution is that both may overindulge or put off hard decisions, so a monthly look at the "
     "budget and a habit of facing problems promptly will serve them well. Apart from that, this "
     "pairing is loving, harmonious and deeply fulfilling for the Boar.",
     "On the compatibility scale of one to ten, Boar and Sheep have a near perfect score of nine."},
    {Monkey,
     "The Boar is endlessly entertained by the Monkey. A Monkey's quick wit, bright ideas and "
     "playful schemes bring sparkle into the Boar's peaceful routine, and the Boar laughs readily "
     "at every joke, which the Monkey adores. Beneath the fun there is real usefulness on both "
     "sides. The Monkey's street smarts can shield the trusting Boar in business and money "
     "matters, and the Boar's warm, forgiving nature softens the Monkey's sharper edges and gives "
     "it somewhere to be honest. Evenings together are sociable, full of games, good food and "
     "clever talk. The weak spot is trust. A Monkey enjoys a harmless trick, but the Boar takes "
     "people at their word, and a prank or half-truth can wound it more deeply than intended. The "
     "Monkey may also grow impatient with the Boar's unhurried ways. Provided the Monkey treats "
     "the Boar's good faith with care, this is a cheerful and comfortable companionship.",
     "On the compatibility scale of one to ten, Boar and Monkey reach a solid seven."},
    {Rooster,
     "Honesty and hard work are common ground for the Boar and the Rooster, yet their daily "
     "styles rub against each other. The Rooster is precise, opinionated and proud of running a "
     "tight ship; the Boar is relaxed, tolerant and firmly believes that life is meant to be "
     "enjoyed. Remarks from the Rooster about spending, clutter or a second helping can leave the "
     "Boar feeling constantly inspected, while the Rooster may look at the Boar's easy manner and "
     "see a lack of discipline. Pride makes the Rooster slow to apologise, and the Boar, though "
     "forgiving, may withdraw into hurt silence. Still, there is something to work with. The "
     "Boar's good humour can take the starch out of the Rooster's stiffer moments, and the "
     "Rooster's organising talent can help the Boar turn plans into results. With patience and a "
     "conscious effort to praise rather than correct, this couple can manage, though friction "
     "will keep surfacing.",
     "On the compatibility scale of one to ten, Boar and Rooster manage a middling five."},
    {Dog,
     "A Boar feels safe with a Dog, and safety is no small gift to a sign that trusts too easily. "
     "The Dog watches the door, reads people shrewdly and will say plainly when someone is not to "
     "be relied on, which spares the open-hearted Boar many disappointments. The Boar returns the "
     "favour with cheer. Its generous table, forgiving temper and knack for enjoying the moment "
     "can coax a worried Dog into relaxing for an entire evening. Both are honest to the core, so "
     "there is little room for suspicion between them, and their home usually feels warm and "
     "secure. Where they differ is in outlook. The Dog may lecture about indulgences and rainy "
     "days, and the Boar may feel that pessimism is spoiling perfectly good fun. These "
     "disagreements are mild and soon forgotten, and with a little understanding the partnership "
     "stays affectionate, easy and long-lasting.",
     "On the compatibility scale of one to ten, Boar and Dog have a comfortable score of seven."},
    {Boar,
     "When a Boar shares its life with another Boar, the fridge is full, the door is open and "
     "nobody holds a grudge past breakfast. Each partner understands the other's love of comfort, "
     "good food and generous gestures without needing any explanation, and both are sincere to a "
     "fault, so trust comes naturally. They are tolerant of each other's small flaws and quick to "
     "make up after the rare quarrel. Friends flock to their home because the welcome there is "
     "genuine. Romance between them is affectionate, sensual and unhurried. The risks are the "
     "ones a single Boar carries, only doubled: a weakness for overspending, a reluctance to face "
     "unpleasant chores, and a trusting streak that smooth talkers may exploit. It helps if one "
     "partner agrees to watch the budget and both learn to say no now and then. With those simple "
     "safeguards in place, a pair of Boars can enjoy a warm, contented and abundant life "
     "together.",
     "On a scale of one to ten, two Boars have a warm and healthy score of eight."},
}};

}  // namespace zodiac::content::pairs
