<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BodyMonitorPanel</name>
    <message>
        <source>This shows your body functions compared to a non smoker. Move your mouse over the meters to get detailed info.</source>
        <translation>Hier siehst du deine Körperfunktionen im Vergleich zu einem Nichtraucher. Fahre mit der Maus über die Anzeigen, um Details zu sehen.</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>smoker</source>
        <translation>Raucher</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>BreathingPacer</name>
    <message>
        <source>Breathing guide</source>
        <translation>Atemhilfe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Breathe in slowly for 4 seconds, then out for 6.</source>
        <translation>Langsam 4 Sekunden ein-, 6 Sekunden ausatmen.</translation>
    </message>
    <message>
        <source>Breathe in</source>
        <translation>Einatmen</translation>
    </message>
    <message>
        <source>Breathe out</source>
        <translation>Ausatmen</translation>
    </message>
    <message>
        <source>Go on</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>CoachTab</name>
    <message>
        <source>I have mental or emotional withdrawal symptoms</source>
        <translation>Ich habe seelische Entzugserscheinungen</translation>
    </message>
    <message>
        <source>Things you can do to forget about smoking</source>
        <translation>Was du tun kannst, um nicht ans Rauchen zu denken</translation>
    </message>
    <message>
        <source>Show me my list of personal reasons</source>
        <translation>Zeig mir meine persönlichen Gründe</translation>
    </message>
    <message>
        <source>I found a good reason to smoke</source>
        <translation>Ich habe einen guten Grund zum Rauchen gefunden</translation>
    </message>
    <message>
        <source>Carvings</source>
        <translation>Rauchverlangen</translation>
    </message>
    <message>
        <source>Remember, as time goes by, this feeling will go away</source>
        <translation>Denk daran: Mit der Zeit vergeht dieses Gefühl</translation>
    </message>
    <message>
        <source>Bored</source>
        <translation>Gelangweilt</translation>
    </message>
    <message>
        <source>Feeling bored is always temporary. It will go away within two weeks. Keep up the good work!</source>
        <translation>Langeweile ist immer nur vorübergehend. Sie vergeht innerhalb von zwei Wochen. Mach weiter so!</translation>
    </message>
    <message>
        <source>Alone / Lonely</source>
        <translation>Allein / Einsam</translation>
    </message>
    <message>
        <source>Find something to keep your mind busy. Talk to other ex-smokers on internet.</source>
        <translation>Such dir etwas, das dich beschäftigt. Tausch dich im Internet mit anderen Ex-Rauchern aus.</translation>
    </message>
    <message>
        <source>Anger</source>
        <translation>Wut</translation>
    </message>
    <message>
        <source>Take a walk. Do deep breathing exercises.</source>
        <translation>Geh spazieren. Mach Atemübungen und atme tief durch.</translation>
    </message>
    <message>
        <source>Restless</source>
        <translation>Unruhig</translation>
    </message>
    <message>
        <source>Feeling restless will usually go aways within a few days after quitting.</source>
        <translation>Die Unruhe vergeht meist wenige Tage nach dem Rauchstopp.</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Stress</translation>
    </message>
    <message>
        <source>Remember, you will in time find another way to cope with stress.</source>
        <translation>Denk daran: Mit der Zeit findest du einen anderen Weg, mit Stress umzugehen.</translation>
    </message>
    <message>
        <source>Uncomfortable</source>
        <translation>Unwohl</translation>
    </message>
    <message>
        <source>It might be a good idea to skip a party if you have just stopped smoking.</source>
        <translation>Wenn du gerade erst aufgehört hast, lass lieber mal eine Party aus.</translation>
    </message>
    <message>
        <source>Depressed</source>
        <translation>Niedergeschlagen</translation>
    </message>
    <message>
        <source>Take it easy your depression will go away within 2-5 weeks.</source>
        <translation>Nimm es gelassen: Die Niedergeschlagenheit vergeht innerhalb von 2–5 Wochen.</translation>
    </message>
    <message>
        <source>I just can&apos;t quit!</source>
        <translation>Ich schaffe es einfach nicht aufzuhören!</translation>
    </message>
    <message>
        <source>I think it&apos;s better to quit by gradual reduction</source>
        <translation>Ich glaube, es ist besser, schrittweise weniger zu rauchen</translation>
    </message>
    <message>
        <source>Quitting Smoking is giving up a part of my life.</source>
        <translation>Mit dem Rauchen aufzuhören heißt, einen Teil meines Lebens aufzugeben.</translation>
    </message>
    <message>
        <source>I will switch to safer cigarettes.</source>
        <translation>Ich steige auf weniger schädliche Zigaretten um.</translation>
    </message>
    <message>
        <source>I think it&apos;s to late. I think i am already sick.</source>
        <translation>Ich glaube, es ist zu spät. Ich bin wohl schon krank.</translation>
    </message>
    <message>
        <source>I will just smoke a lot less.</source>
        <translation>Ich rauche einfach viel weniger.</translation>
    </message>
    <message>
        <source>Smoking is the only wat i can deal with stress.</source>
        <translation>Nur mit Rauchen kann ich Stress bewältigen.</translation>
    </message>
    <message>
        <source>How else would I deal with a (new) situation?</source>
        <translation>Wie soll ich sonst mit einer (neuen) Situation umgehen?</translation>
    </message>
    <message>
        <source>It&apos;s the only way I can feel good.</source>
        <translation>Nur so kann ich mich gut fühlen.</translation>
    </message>
    <message>
        <source>I Smoke because I don&apos;t care if I destroy myself.</source>
        <translation>Ich rauche, weil es mir egal ist, ob ich mich kaputtmache.</translation>
    </message>
    <message>
        <source>I Smoke Because I just like to smoke.</source>
        <translation>Ich rauche, weil ich einfach gern rauche.</translation>
    </message>
    <message>
        <source>I am a nicotine junkie.</source>
        <translation>Ich bin ein Nikotin-Junkie.</translation>
    </message>
    <message>
        <source>Cigarettes are my (only) friend.</source>
        <translation>Die Zigarette ist mein (einziger) Freund.</translation>
    </message>
    <message>
        <source>Other people around me also smoke.</source>
        <translation>Andere in meiner Umgebung rauchen auch.</translation>
    </message>
    <message>
        <source>Enter your personal reason not to smoke here.</source>
        <translation>Schreib hier auf, warum du nicht mehr rauchen willst.</translation>
    </message>
    <message>
        <source>Next  &gt;&gt;&gt;</source>
        <translation>Weiter  &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Next &gt;&gt;&gt;</source>
        <translation>Weiter &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Coach says</source>
        <translation>Der Coach sagt</translation>
    </message>
    <message>
        <source>Hi. I am your coach. I will try to help you mental and emotional problems.</source>
        <translation>Hallo. Ich bin dein Coach. Ich versuche, dir bei seelischen und emotionalen Problemen zu helfen.</translation>
    </message>
    <message>
        <source>smoking sucks!</source>
        <translation>Rauchen nervt!</translation>
    </message>
    <message>
        <source>Advice on mental and emotional withdrawal symptoms</source>
        <translation>Rat bei seelischen Entzugserscheinungen</translation>
    </message>
    <message>
        <source>Things you can do...</source>
        <translation>Was du tun kannst...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Your personal reasons not to smoke</source>
        <translation>Deine persönlichen Gründe, nicht zu rauchen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Reasons to smoke</source>
        <translation>Gründe fürs Rauchen</translation>
    </message>
    <message>
        <source>Answer to your reason to smoke</source>
        <translation>Antwort auf deinen Grund fürs Rauchen</translation>
    </message>
    <message>
        <source>My answer</source>
        <translation>Meine Antwort</translation>
    </message>
    <message>
        <source>Hi. I am your coach. I will try to help you mentally and emotionally.</source>
        <translation>Hallo. Ich bin dein Coach. Ich versuche, dir seelisch und emotional zu helfen.</translation>
    </message>
    <message>
        <source>Let me know what the problem is...</source>
        <translation>Sag mir, was los ist...</translation>
    </message>
    <message>
        <source>How do you feel?</source>
        <translation>Wie fühlst du dich?</translation>
    </message>
    <message>
        <source>Here are some things you can do to forget about smoking. Click on &apos;next&apos; to see more.</source>
        <translation>Hier ist einiges, was du tun kannst, um nicht ans Rauchen zu denken. Klicke auf „Weiter“, um mehr zu sehen.</translation>
    </message>
    <message>
        <source>Edit you personal reasons here...</source>
        <translation>Bearbeite hier deine persönlichen Gründe...</translation>
    </message>
    <message>
        <source>Clearwind</source>
        <translation>Clearwind</translation>
    </message>
    <message>
        <source>Your personal reasons could not be saved in %1: %2</source>
        <translation>Deine persönlichen Gründe konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Close Clearwind anyway? What you wrote since the last save will be lost.</source>
        <translation>Clearwind trotzdem schließen? Was du seit dem letzten Speichern geschrieben hast, geht verloren.</translation>
    </message>
    <message>
        <source>If you think you have found a good reason to smoke select it from the list, then click on &apos;My answer&apos;.</source>
        <translation>Wenn du glaubst, einen guten Grund zum Rauchen gefunden zu haben, wähle ihn in der Liste aus und klicke dann auf „Meine Antwort“.</translation>
    </message>
    <message>
        <source>You did not select anything.</source>
        <translation>Du hast nichts ausgewählt.</translation>
    </message>
    <message>
        <source>Remeber, there is NO good reason to start smoking again. It&apos;s the nicotin addiction trying to mess with your mind.</source>
        <translation>Denk daran: Es gibt KEINEN guten Grund, wieder mit dem Rauchen anzufangen. Das ist die Nikotinsucht, die dir etwas einreden will.</translation>
    </message>
</context>
<context>
    <name>CounterTab</name>
    <message>
        <source>Companion</source>
        <translation>Begleiter</translation>
    </message>
    <message>
        <source>Companion says</source>
        <translation>Der Begleiter sagt</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Smoke-free days</source>
        <translation>Rauchfreie Tage</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Smoke-free hours</source>
        <translation>Rauchfreie Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Smoke-free minutes</source>
        <translation>Rauchfreie Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Smoke-free seconds</source>
        <translation>Rauchfreie Sekunden</translation>
    </message>
    <message>
        <source>For starting to stop smoking</source>
        <translation>Für den Start in den Rauchstopp</translation>
    </message>
    <message>
        <source>For not smoking for 24 hours</source>
        <translation>Für 24 Stunden ohne Rauchen</translation>
    </message>
    <message>
        <source>For geting back your sense of taste and smell</source>
        <translation>Für die Rückkehr von Geschmack und Geruch</translation>
    </message>
    <message>
        <source>For not smoking 100 cigarettes</source>
        <translation>Für 100 nicht gerauchte Zigaretten</translation>
    </message>
    <message>
        <source>For extending your life by 1 day</source>
        <translation>Für 1 Tag mehr Lebenszeit</translation>
    </message>
    <message>
        <source>For not smoking for a week</source>
        <translation>Für eine Woche ohne Rauchen</translation>
    </message>
    <message>
        <source>For not smoking 500 cigarettes</source>
        <translation>Für 500 nicht gerauchte Zigaretten</translation>
    </message>
    <message>
        <source>For not smoking for a month</source>
        <translation>Für einen Monat ohne Rauchen</translation>
    </message>
    <message>
        <source>For not smoking 1000 cigarettes</source>
        <translation>Für 1000 nicht gerauchte Zigaretten</translation>
    </message>
    <message>
        <source>For not smoking for a year</source>
        <translation>Für ein Jahr ohne Rauchen</translation>
    </message>
    <message>
        <source>You have stopped smoking for :</source>
        <translation>So lange bist du schon rauchfrei:</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>You have earned a star :</source>
        <translation>Du bekommst einen Stern:</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Craving now...</source>
        <translation>Rauchverlangen jetzt...</translation>
    </message>
    <message>
        <source>Help to ride out a craving (Ctrl+K)</source>
        <translation>Hilfe, ein Rauchverlangen durchzustehen (Strg+K)</translation>
    </message>
</context>
<context>
    <name>CravingDialog</name>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>15 minutes ago</source>
        <translation>Vor 15 Minuten</translation>
    </message>
    <message>
        <source>30 minutes ago</source>
        <translation>Vor 30 Minuten</translation>
    </message>
    <message>
        <source>1 hour ago</source>
        <translation>Vor 1 Stunde</translation>
    </message>
    <message>
        <source>2 hours ago</source>
        <translation>Vor 2 Stunden</translation>
    </message>
    <message>
        <source>3 hours ago</source>
        <translation>Vor 3 Stunden</translation>
    </message>
    <message>
        <source>6 hours ago</source>
        <translation>Vor 6 Stunden</translation>
    </message>
    <message>
        <source>12 hours ago</source>
        <translation>Vor 12 Stunden</translation>
    </message>
    <message>
        <source>24 hours ago</source>
        <translation>Vor 24 Stunden</translation>
    </message>
    <message>
        <source>Log a craving</source>
        <translation>Rauchverlangen notieren</translation>
    </message>
    <message>
        <source>It passed</source>
        <translation>Überstanden</translation>
    </message>
    <message>
        <source>I smoked</source>
        <translation>Ich habe geraucht</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>How &amp;strong?</source>
        <translation>Wie &amp;stark?</translation>
    </message>
    <message>
        <source>What set it &amp;off?</source>
        <translation>Was war der &amp;Auslöser?</translation>
    </message>
    <message>
        <source>A &amp;note</source>
        <translation>&amp;Notiz</translation>
    </message>
    <message>
        <source>&amp;When?</source>
        <translation>&amp;Wann?</translation>
    </message>
    <message>
        <source>mild</source>
        <translation>schwach</translation>
    </message>
    <message>
        <source>Strength %1 of %2</source>
        <translation>Stärke %1 von %2</translation>
    </message>
    <message>
        <source>very strong</source>
        <translation>sehr stark</translation>
    </message>
    <message>
        <source>Optional: where you were, what helped...</source>
        <translation>Optional: wo du warst, was geholfen hat...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 von %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>CravingReminder</name>
    <message>
        <source>Your usual craving hour is coming.</source>
        <translation>Bald beginnt deine übliche Rauchverlangen-Stunde.</translation>
    </message>
    <message>
        <source>Your usual craving hour is coming. Your plan: %1</source>
        <translation>Bald beginnt deine übliche Rauchverlangen-Stunde. Dein Plan: %1</translation>
    </message>
</context>
<context>
    <name>DialogMessageService</name>
    <message>
        <source>Clearwind</source>
        <translation>Clearwind</translation>
    </message>
</context>
<context>
    <name>DiseasePanel</name>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>DoctorTab</name>
    <message>
        <source>Hello. I am your doctor. I can give you information about your health and help you with some problems.</source>
        <translation>Hallo. Ich bin dein Arzt. Ich informiere dich über deine Gesundheit und helfe dir bei manchen Beschwerden.</translation>
    </message>
    <message>
        <source>Hello. I am your doctor. I can give you information about your health.</source>
        <translation>Hallo. Ich bin dein Arzt. Ich informiere dich über deine Gesundheit.</translation>
    </message>
    <message>
        <source>Hello. I am your virtual doctor. I can give you information about your health.</source>
        <translation>Hallo. Ich bin dein virtueller Arzt. Ich informiere dich über deine Gesundheit.</translation>
    </message>
    <message>
        <source>Body monitor</source>
        <translation>Körpermonitor</translation>
    </message>
    <message>
        <source>Disease stats</source>
        <translation>Krankheitsstatistik</translation>
    </message>
    <message>
        <source>Withdrawal symptoms</source>
        <translation>Entzugserscheinungen</translation>
    </message>
    <message>
        <source>My body weight?</source>
        <translation>Mein Körpergewicht?</translation>
    </message>
    <message>
        <source>Tired</source>
        <translation>Müdigkeit</translation>
    </message>
    <message>
        <source>After a week or two you should begin feeling much better. You will see that you have more energy than you may have felt in years.</source>
        <translation>Nach ein, zwei Wochen solltest du dich deutlich besser fühlen. Du wirst merken, dass du mehr Energie hast als vielleicht seit Jahren.</translation>
    </message>
    <message>
        <source>Constipation</source>
        <translation>Verstopfung</translation>
    </message>
    <message>
        <source>Drink plenty of liquids, eat fruits, vegetables, and whole grain cereals. Go for walks.</source>
        <translation>Trink viel, iss Obst, Gemüse und Vollkornprodukte. Geh spazieren.</translation>
    </message>
    <message>
        <source>Tightness in chest</source>
        <translation>Engegefühl in der Brust</translation>
    </message>
    <message>
        <source>Remember that your lungs need moisture to help with healing and flushing.</source>
        <translation>Denk daran: Deine Lunge braucht Feuchtigkeit, um zu heilen und sich zu reinigen.</translation>
    </message>
    <message>
        <source>Time perception</source>
        <translation>Zeitempfinden</translation>
    </message>
    <message>
        <source>Your time perception will go back to normal, as soon as the other withdrawal symptoms dissapear.</source>
        <translation>Dein Zeitempfinden normalisiert sich, sobald die anderen Entzugserscheinungen abklingen.</translation>
    </message>
    <message>
        <source>Dizzy</source>
        <translation>Schwindel</translation>
    </message>
    <message>
        <source>Get fresh air, go for a walk, change positions slowly until your body adjusts to increased oxygen intake</source>
        <translation>Geh an die frische Luft, mach einen Spaziergang und wechsle die Haltung langsam, bis sich dein Körper an die höhere Sauerstoffaufnahme gewöhnt hat</translation>
    </message>
    <message>
        <source>Sore throat</source>
        <translation>Halsschmerzen</translation>
    </message>
    <message>
        <source>Suck sweets, eat honey or anything else that will soothe your throat</source>
        <translation>Lutsch Bonbons, iss Honig oder etwas anderes, das deinem Hals guttut</translation>
    </message>
    <message>
        <source>Bad taste</source>
        <translation>Schlechter Geschmack</translation>
    </message>
    <message>
        <source>Eat something that will make your bad taste go away, and drink lot&apos;s of water ofcourse.</source>
        <translation>Iss etwas, das den schlechten Geschmack vertreibt, und trink natürlich viel Wasser.</translation>
    </message>
    <message>
        <source>Tensions</source>
        <translation>Anspannung</translation>
    </message>
    <message>
        <source>Try deep breathing and do some exercise. Within 4 weeks this symtons will stop to appear.</source>
        <translation>Atme tief durch und beweg dich. Innerhalb von 4 Wochen verschwinden diese Beschwerden.</translation>
    </message>
    <message>
        <source>Sleeping</source>
        <translation>Schlafprobleme</translation>
    </message>
    <message>
        <source>Try to sleep as much as you can. Take a hot bath, avoid caffeine a few hours before you go sleep, try relaxing at bedtime with a glass of warm milk.</source>
        <translation>Schlaf so viel du kannst. Nimm ein heißes Bad, meide Koffein einige Stunden vor dem Schlafengehen und entspann dich abends mit einem Glas warmer Milch.</translation>
    </message>
    <message>
        <source>Can&apos;t  concentrate</source>
        <translation>Konzentrationsprobleme</translation>
    </message>
    <message>
        <source>Change activities, get some fresh air, exercise, deep breathe, listen to music, watch TV, do more physical activity,</source>
        <translation>Wechsle die Tätigkeit, geh an die frische Luft, treib Sport, atme tief durch, hör Musik, sieh fern, beweg dich mehr.</translation>
    </message>
    <message>
        <source>Headaches</source>
        <translation>Kopfschmerzen</translation>
    </message>
    <message>
        <source>There are many things you can do about headaches. Try searching the internet.</source>
        <translation>Gegen Kopfschmerzen kannst du vieles tun. Such am besten im Internet danach.</translation>
    </message>
    <message>
        <source>Others...</source>
        <translation>Sonstiges...</translation>
    </message>
    <message>
        <source>Remeber, if a symptom won&apos;t go away in a few weeks, or if you think it is not normal, go visit a doctor.</source>
        <translation>Wichtig: Wenn ein Symptom nach einigen Wochen nicht verschwindet oder dir nicht normal vorkommt, geh zum Arzt.</translation>
    </message>
    <message>
        <source>About smoking and weight.</source>
        <translation>Über Rauchen und Gewicht.</translation>
    </message>
    <message>
        <source>Why do smokers gain weight after they quit?</source>
        <translation>Warum nehmen Raucher nach dem Rauchstopp zu?</translation>
    </message>
    <message>
        <source>What can I do about it ?</source>
        <translation>Was kann ich dagegen tun?</translation>
    </message>
    <message>
        <source>Doctor</source>
        <translation>Arzt</translation>
    </message>
    <message>
        <source>Doctor says</source>
        <translation>Der Arzt sagt</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Advice on withdrawal symptoms</source>
        <translation>Rat bei Entzugserscheinungen</translation>
    </message>
    <message>
        <source>Advice on body weight</source>
        <translation>Rat zum Körpergewicht</translation>
    </message>
    <message>
        <source>What physical withdrawal symptoms are you experiencing?</source>
        <translation>Welche körperlichen Entzugserscheinungen hast du?</translation>
    </message>
    <message>
        <source>What withdrawal symptom are you experiencing?</source>
        <translation>Welche Entzugserscheinung hast du?</translation>
    </message>
    <message>
        <source>Remember, the health benefits of quitting smoking are far greater than any risks from the small weight gain.</source>
        <translation>Denk daran: Der gesundheitliche Nutzen des Rauchstopps ist weit größer als jedes Risiko durch die leichte Gewichtszunahme.</translation>
    </message>
    <message>
        <source>This shows how much percent your chance has been reduced of getting these diseases. It&apos;s not personal, but average for any smoker with your stop time.</source>
        <translation>Hier siehst du, um wie viel Prozent dein Risiko für diese Krankheiten gesunken ist. Die Werte sind nicht persönlich, sondern Durchschnittswerte für Raucher mit deiner rauchfreien Zeit.</translation>
    </message>
</context>
<context>
    <name>EncourageTexts</name>
    <message>
        <source>Well done! Every craving that passes makes the next one weaker.</source>
        <translation>Gut gemacht! Jedes überstandene Rauchverlangen macht das nächste schwächer.</translation>
    </message>
    <message>
        <source>It passed, as cravings do. You were stronger.</source>
        <translation>Es ist vorbeigegangen, wie jedes Rauchverlangen. Du warst stärker.</translation>
    </message>
    <message>
        <source>Another craving beaten. Be proud of yourself.</source>
        <translation>Wieder ein Rauchverlangen besiegt. Sei stolz auf dich.</translation>
    </message>
    <message>
        <source>One slip does not undo your smoke-free time. The next hour is a new start.</source>
        <translation>Ein Ausrutscher macht deine rauchfreie Zeit nicht zunichte. Die nächste Stunde ist ein neuer Anfang.</translation>
    </message>
    <message>
        <source>A slip is not a relapse. You noted it, and that helps: carry on from here.</source>
        <translation>Ein Ausrutscher ist kein Rückfall. Du hast ihn notiert, und das hilft: Mach von hier aus weiter.</translation>
    </message>
    <message>
        <source>Be kind to yourself. What you have gained stays gained.</source>
        <translation>Sei nachsichtig mit dir. Was du erreicht hast, bleibt erreicht.</translation>
    </message>
    <message>
        <source>Welcome back.</source>
        <translation>Willkommen zurück.</translation>
    </message>
    <message>
        <source>Hi again.</source>
        <translation>Hallo noch mal.</translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation>Gute Arbeit!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Good to see you again!</source>
        <translation>Schön, dich wiederzusehen!</translation>
    </message>
    <message>
        <source>Very nice!</source>
        <translation>Sehr schön!</translation>
    </message>
    <message>
        <source>Hi.</source>
        <translation>Hallo.</translation>
    </message>
    <message>
        <source>How are you feeling?</source>
        <translation>Wie geht es dir?</translation>
    </message>
    <message>
        <source>Welcome %1. Congratulations on your decision to stop smoking! If this is the first time you are using the program, feel free to explore...</source>
        <translation>Willkommen, %1. Glückwunsch zu deiner Entscheidung, mit dem Rauchen aufzuhören! Wenn du das Programm zum ersten Mal nutzt, schau dich in Ruhe um...</translation>
    </message>
    <message>
        <source>10 minutes smoke free...  a good start.</source>
        <translation>10 Minuten rauchfrei... ein guter Anfang.</translation>
    </message>
    <message>
        <source>Don&apos;t forget to prepare yourself for the comming days. Read the tips provided by the professor.</source>
        <translation>Vergiss nicht, dich auf die kommenden Tage vorzubereiten. Lies die Tipps des Professors.</translation>
    </message>
    <message>
        <source>TIP : If you feel like smoking, take a walk and get some fresh air. It will also give you time to think about it.</source>
        <translation>TIPP: Wenn du rauchen möchtest, mach einen Spaziergang an der frischen Luft. So hast du auch Zeit, darüber nachzudenken.</translation>
    </message>
    <message>
        <source>Good job, you bloodpressure is back to a normal level now.</source>
        <translation>Gut gemacht, dein Blutdruck ist jetzt wieder normal.</translation>
    </message>
    <message>
        <source>More then 40 minutes smoke free. well done.</source>
        <translation>Über 40 Minuten rauchfrei. Gut gemacht.</translation>
    </message>
    <message>
        <source>Almost 1 hour. Don&apos;t forget to make a list of reason why YOU don&apos;t want to smoke. Keep this list available to read at all time.</source>
        <translation>Fast 1 Stunde. Denk daran, eine Liste mit Gründen zu schreiben, warum DU nicht rauchen willst. Halte sie immer griffbereit.</translation>
    </message>
    <message>
        <source>Congratulations, you have not smoked for more then 1 hour, keep up the good work.</source>
        <translation>Glückwunsch, du hast seit über 1 Stunde nicht geraucht. Mach weiter so.</translation>
    </message>
    <message>
        <source>Very good. Your pulse rate is normal again.</source>
        <translation>Sehr gut. Dein Puls ist wieder normal.</translation>
    </message>
    <message>
        <source>You are smoke-free for more then 2 hours. This was easy, right?</source>
        <translation>Du bist seit über 2 Stunden rauchfrei. Das war leicht, oder?</translation>
    </message>
    <message>
        <source>More then 3 hours smoke free!</source>
        <translation>Über 3 Stunden rauchfrei!</translation>
    </message>
    <message>
        <source>Well done. 4 hours smoke free!</source>
        <translation>Gut gemacht. 4 Stunden rauchfrei!</translation>
    </message>
    <message>
        <source>You are doing great! Don&apos;t forget to read the stop-tips provided by the professor.</source>
        <translation>Du machst das großartig! Vergiss nicht, die Tipps zum Aufhören vom Professor zu lesen.</translation>
    </message>
    <message>
        <source>Congratulations, more then 8 hours smoke free!</source>
        <translation>Glückwunsch, über 8 Stunden rauchfrei!</translation>
    </message>
    <message>
        <source>Good! Your oxygen levels in your blood are normal again.</source>
        <translation>Gut! Der Sauerstoffgehalt deines Blutes ist wieder normal.</translation>
    </message>
    <message>
        <source>Keep it up! You earned a star for not smoking for 24 hours.</source>
        <translation>Weiter so! Du hast einen Stern für 24 Stunden ohne Rauchen verdient.</translation>
    </message>
    <message>
        <source>Well done. Your blood carbon monoxide levels have dropped to normal.</source>
        <translation>Gut gemacht. Der Kohlenmonoxidgehalt deines Blutes ist auf normale Werte gesunken.</translation>
    </message>
    <message>
        <source>Perfect, you are on the right path.</source>
        <translation>Perfekt, du bist auf dem richtigen Weg.</translation>
    </message>
    <message>
        <source>Feeling any withdrawal symptoms?</source>
        <translation>Spürst du Entzugserscheinungen?</translation>
    </message>
    <message>
        <source>You&apos;re almost 2 days smoke free!</source>
        <translation>Du bist fast 2 Tage rauchfrei!</translation>
    </message>
    <message>
        <source>Maybe you don&apos;t feel great now, but you are doing a great job!</source>
        <translation>Vielleicht fühlst du dich gerade nicht so gut, aber du machst das großartig!</translation>
    </message>
    <message>
        <source>2 days smoke free! You earned a star today!</source>
        <translation>2 Tage rauchfrei! Heute hast du dir einen Stern verdient!</translation>
    </message>
    <message>
        <source>Very nice! Your chance of having a heart attack has decreased and your sense of taste and smell has returned to a normal level.</source>
        <translation>Sehr schön! Dein Herzinfarktrisiko ist gesunken, und dein Geschmacks- und Geruchssinn ist wieder normal.</translation>
    </message>
    <message>
        <source>In less then %1 hours, you&apos;re 3 days smoke free!</source>
        <translation>In weniger als %1 Stunden bist du 3 Tage rauchfrei!</translation>
    </message>
    <message>
        <source>My compliments. All nicotine has left your body!</source>
        <translation>Kompliment! Das ganze Nikotin hat deinen Körper verlassen!</translation>
    </message>
    <message>
        <source>This is a difficult day, but if you can make it trough this day, the next days will be easier!</source>
        <translation>Heute ist ein schwieriger Tag, aber wenn du ihn schaffst, werden die nächsten Tage leichter!</translation>
    </message>
    <message>
        <source>Your energy levers are increasing!</source>
        <translation>Deine Energie nimmt zu!</translation>
    </message>
    <message>
        <source>How do you feel? Try to be strong.</source>
        <translation>Wie fühlst du dich? Bleib stark.</translation>
    </message>
    <message>
        <source>Physical withdrawal peaks within 72 hours, so tomorrow you will feel better.</source>
        <translation>Der körperliche Entzug erreicht innerhalb von 72 Stunden seinen Höhepunkt, morgen geht es dir also besser.</translation>
    </message>
    <message>
        <source>I&apos;m proud of you! 4 days smoke free!</source>
        <translation>Ich bin stolz auf dich! 4 Tage rauchfrei!</translation>
    </message>
    <message>
        <source>How do you feel? I hope you feel a lot better now.</source>
        <translation>Wie fühlst du dich? Ich hoffe, es geht dir jetzt viel besser.</translation>
    </message>
    <message>
        <source>5 days, very nice! Your withdrawal symptoms should start to dissapear slowly.</source>
        <translation>5 Tage, sehr schön! Deine Entzugserscheinungen sollten jetzt langsam abklingen.</translation>
    </message>
    <message>
        <source>Because you have quit, certain nerve endings have already re-grown.</source>
        <translation>Weil du aufgehört hast, sind manche Nervenenden schon nachgewachsen.</translation>
    </message>
    <message>
        <source>6 days, excellent! Just don&apos;t smoke this day, and you will earn a star for 1 week smoke free!</source>
        <translation>6 Tage, ausgezeichnet! Rauch heute einfach nicht, dann bekommst du einen Stern für 1 Woche rauchfrei!</translation>
    </message>
    <message>
        <source>One week! I knew you could do it! You earned a star for not smoking for a week.</source>
        <translation>Eine Woche! Ich wusste, dass du es schaffst! Du hast einen Stern für eine Woche ohne Rauchen verdient.</translation>
    </message>
    <message>
        <source>Good job.  8 days smoke free! </source>
        <translation>Gut gemacht. 8 Tage rauchfrei! </translation>
    </message>
    <message>
        <source>9 days. This is something to be proud of!</source>
        <translation>9 Tage. Darauf kannst du stolz sein!</translation>
    </message>
    <message>
        <source>10 days. Go do something nice for yourself. You deserve it!</source>
        <translation>10 Tage. Gönn dir etwas Schönes. Du hast es verdient!</translation>
    </message>
    <message>
        <source>11 days. Just 3 more days, and you will have been smoke free for 2 weeks, and most withdrawal symptoms will dissapear</source>
        <translation>11 Tage. Nur noch 3 Tage, dann bist du 2 Wochen rauchfrei, und die meisten Entzugserscheinungen verschwinden.</translation>
    </message>
    <message>
        <source>12 days. Aren&apos;t you feeling great?!</source>
        <translation>12 Tage. Fühlst du dich nicht großartig?!</translation>
    </message>
    <message>
        <source>13 days. Keep it up. 1 more day and you have not smoked for 2 weeks!</source>
        <translation>13 Tage. Weiter so. Noch 1 Tag, dann hast du 2 Wochen nicht geraucht!</translation>
    </message>
    <message>
        <source>2 weeks!!!</source>
        <translation>2 Wochen!!!</translation>
    </message>
    <message>
        <source>Your circulation is increasing, and it will continue to improve for the next 10 weeks!</source>
        <translation>Deine Durchblutung wird besser und verbessert sich noch 10 Wochen lang weiter!</translation>
    </message>
    <message>
        <source>You gone through the most difficult period! It would be really stupid to start smoking again!</source>
        <translation>Du hast die schwierigste Zeit hinter dir! Es wäre wirklich dumm, jetzt wieder mit dem Rauchen anzufangen!</translation>
    </message>
    <message>
        <source>Congratulations %1. You have not smoked for %2 days!</source>
        <translation>Glückwunsch, %1. Du hast seit %2 Tagen nicht geraucht!</translation>
    </message>
    <message>
        <source>Don&apos;t let the nicotine control you!</source>
        <translation>Lass dich nicht vom Nikotin beherrschen!</translation>
    </message>
    <message>
        <source>Good luck. </source>
        <translation>Viel Glück. </translation>
    </message>
</context>
<context>
    <name>ExportWindow</name>
    <message>
        <source>Clearwind</source>
        <translation>Clearwind</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Clearwind report.pdf</source>
        <translation>Clearwind-Bericht.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved in %1: %2</source>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>HealthTexts</name>
    <message>
        <source>Blood pressure</source>
        <translation>Blutdruck</translation>
    </message>
    <message>
        <source>This is your blood pressure. If you don&apos;t smoke for 20 minutes your blood pressure will drop down to normal.</source>
        <translation>Das ist dein Blutdruck. 20 Minuten nach der letzten Zigarette sinkt er wieder auf normale Werte.</translation>
    </message>
    <message>
        <source>Oxygen level</source>
        <translation>Sauerstoffgehalt</translation>
    </message>
    <message>
        <source>Oxigen level in your blood. The element of life. The higher these levels are, the more energy you have.</source>
        <translation>Der Sauerstoffgehalt deines Blutes. Sauerstoff ist lebenswichtig: Je höher der Gehalt, desto mehr Energie hast du.</translation>
    </message>
    <message>
        <source>Carbon monoxide level</source>
        <translation>Kohlenmonoxidgehalt</translation>
    </message>
    <message>
        <source>These are the carbon monoxide (a toxic gas) levels in your blood.</source>
        <translation>Der Gehalt an Kohlenmonoxid (einem giftigen Gas) in deinem Blut.</translation>
    </message>
    <message>
        <source>Taste and smell</source>
        <translation>Geschmack und Geruch</translation>
    </message>
    <message>
        <source>Your sense of taste and smell. Your sense of taste and smell will return to a normal level after 2 days.</source>
        <translation>Dein Geschmacks- und Geruchssinn. Nach 2 Tagen sind beide wieder normal.</translation>
    </message>
    <message>
        <source>Energy level</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Energy levels. Your bronchial tubes will relax after a while , so your energy levels will start to increase.</source>
        <translation>Deine Energie. Nach einiger Zeit entspannen sich deine Bronchien, und deine Energie nimmt zu.</translation>
    </message>
    <message>
        <source>Blood circulation</source>
        <translation>Durchblutung</translation>
    </message>
    <message>
        <source>Blood circulation. To stay healthy, it is very important to have good blood circulation.</source>
        <translation>Deine Durchblutung. Für deine Gesundheit ist eine gute Durchblutung sehr wichtig.</translation>
    </message>
    <message>
        <source>Lung capacity</source>
        <translation>Lungenfunktion</translation>
    </message>
    <message>
        <source>Lung capicity. coughs, wheezing and breathing problems will vanish as your lung capacity improves by 10-30%.</source>
        <translation>Deine Lungenfunktion. Husten, pfeifender Atem und Atemprobleme verschwinden, während sich deine Lungenfunktion um 10–30 % verbessert.</translation>
    </message>
    <message>
        <source>Chance of having a heart attack</source>
        <translation>Herzinfarktrisiko</translation>
    </message>
    <message>
        <source>Heart attack risk reduction</source>
        <translation>Senkung des Herzinfarktrisikos</translation>
    </message>
    <message>
        <source>Chance of having a stroke</source>
        <translation>Schlaganfallrisiko</translation>
    </message>
    <message>
        <source>Stroke risk reduction</source>
        <translation>Senkung des Schlaganfallrisikos</translation>
    </message>
    <message>
        <source>Chance of lung cancer</source>
        <translation>Lungenkrebsrisiko</translation>
    </message>
    <message>
        <source>Lung cancer risk reduction</source>
        <translation>Senkung des Lungenkrebsrisikos</translation>
    </message>
    <message>
        <source>Chance of having a common sickness</source>
        <translation>Risiko häufiger Erkrankungen</translation>
    </message>
    <message>
        <source>Common sickness risk reduction</source>
        <translation>Senkung des Risikos häufiger Erkrankungen</translation>
    </message>
    <message>
        <source>RISK NORMAL</source>
        <translation>RISIKO NORMAL</translation>
    </message>
</context>
<context>
    <name>JourneyTab</name>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Reading your journey...</source>
        <translation>Dein Verlauf wird gelesen...</translation>
    </message>
    <message>
        <source>Log a craving...</source>
        <translation>Rauchverlangen notieren...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>The figures</source>
        <translation>Die Zahlen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Wert</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of your cravings could not be read. They are kept in the file as they are.</source>
        <translation>
            <numerusform>%n Zeile deiner notierten Rauchverlangen konnte nicht gelesen werden. Sie bleibt unverändert in der Datei.</numerusform>
            <numerusform>%n Zeilen deiner notierten Rauchverlangen konnten nicht gelesen werden. Sie bleiben unverändert in der Datei.</numerusform>
        </translation>
    </message>
    <message>
        <source>The charts could not be shown; their figures are in the table below.</source>
        <translation>Die Diagramme konnten nicht angezeigt werden; ihre Zahlen stehen in der Tabelle unten.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Clearwind journey.csv</source>
        <translation>Clearwind-Verlauf.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The journey could not be saved in %1: %2</source>
        <translation>Der Verlauf konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Craving now...</source>
        <translation>Rauchverlangen jetzt...</translation>
    </message>
    <message>
        <source>My plans...</source>
        <translation>Meine Pläne...</translation>
    </message>
    <message>
        <source>Remind me before my usual craving hour</source>
        <translation>Vor meiner üblichen Rauchverlangen-Stunde erinnern</translation>
    </message>
    <message>
        <source>Your desktop has no system tray to show it in.</source>
        <translation>Dein Desktop hat keinen Infobereich, in dem die Erinnerung erscheinen könnte.</translation>
    </message>
    <message>
        <source>Your choice could not be saved in %1: %2</source>
        <translation>Deine Auswahl konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clearwind</source>
        <translation>Clearwind</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Doctor</source>
        <translation>Arzt</translation>
    </message>
    <message>
        <source>Professor</source>
        <translation>Professor</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Journey</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>This program is already running. You cannot start it twice.</source>
        <translation>Dieses Programm läuft bereits. Du kannst es nicht zweimal starten.</translation>
    </message>
    <message>
        <source>Clearwind </source>
        <translation>Clearwind </translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Your answers and your stop moment could not be read from %1: %2. Clearwind leaves the file as it is.</source>
        <translation>Deine Antworten und der Zeitpunkt deines Rauchstopps konnten nicht aus %1 gelesen werden: %2. Clearwind lässt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>Clearwind closes before it could finish writing %1: what you changed there may not be saved.</source>
        <translation>Clearwind wird beendet, bevor %1 fertig geschrieben werden konnte: Was du dort geändert hast, ist vielleicht nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>PasswordLockPanel</name>
    <message>
        <source>Lock</source>
        <translation>Schloss</translation>
    </message>
    <message>
        <source>This program is password protected.</source>
        <translation>Dieses Programm ist mit einem Passwort geschützt.</translation>
    </message>
    <message>
        <source>Please enter your password :</source>
        <translation>Bitte gib dein Passwort ein:</translation>
    </message>
    <message>
        <source>Continue &gt;&gt;&gt;</source>
        <translation>Weiter &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>The stored password holds characters that no keyboard can type. Correct its first line in %1, then start Clearwind again.</source>
        <translation>Das gespeicherte Passwort enthält Zeichen, die sich mit keiner Tastatur eingeben lassen. Korrigiere die erste Zeile in %1 und starte Clearwind dann neu.</translation>
    </message>
    <message>
        <source>Wrong password, try again :</source>
        <translation>Falsches Passwort, versuch es noch einmal:</translation>
    </message>
</context>
<context>
    <name>PersonalReasonsFile</name>
    <message>
        <source>pictures, drawings or embedded objects</source>
        <translation>Bilder, Zeichnungen oder eingebettete Objekte</translation>
    </message>
    <message>
        <source>tables, whose cells become text between tabs</source>
        <translation>Tabellen, deren Zellen zu Text zwischen Tabulatoren werden</translation>
    </message>
    <message>
        <source>footnotes or comments</source>
        <translation>Fußnoten oder Kommentare</translation>
    </message>
    <message>
        <source>headers or footers</source>
        <translation>Kopf- oder Fußzeilen</translation>
    </message>
    <message>
        <source>hidden text</source>
        <translation>versteckter Text</translation>
    </message>
    <message>
        <source>content that is neither RTF nor text, perhaps in another format</source>
        <translation>Inhalte, die weder RTF noch Text sind, vielleicht in einem anderen Format</translation>
    </message>
    <message>
        <source>Your personal reasons could not be shown, because %1 could not be read: %2

The file stays as it is. If you write new reasons here, you will be asked before it is replaced.</source>
        <translation>Deine persönlichen Gründe können nicht angezeigt werden, weil %1 nicht gelesen werden konnte: %2

Die Datei bleibt, wie sie ist. Wenn du hier neue Gründe schreibst, wirst du gefragt, bevor sie ersetzt wird.</translation>
    </message>
    <message>
        <source>There is no free name for a copy of the old file.</source>
        <translation>Es gibt keinen freien Namen für eine Kopie der alten Datei.</translation>
    </message>
    <message>
        <source>The old file could not be kept as %1: %2</source>
        <translation>Die alte Datei konnte nicht als %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>The old file is now %1.</source>
        <translation>Die alte Datei heißt jetzt %1.</translation>
    </message>
    <message>
        <source>%1 could not be read, so the personal reasons it holds are not shown here: %2

Replace it with what you wrote? The old file will be kept beside it as %3.</source>
        <translation>%1 konnte nicht gelesen werden, daher werden die persönlichen Gründe darin hier nicht angezeigt: %2

Die Datei durch deinen Text ersetzen? Die alte Datei bleibt daneben als %3 erhalten.</translation>
    </message>
    <message>
        <source>%1 holds things that Clearwind cannot show:%2

Saving what you wrote leaves them out of the file. Save anyway? The old file will be kept beside it as %3.</source>
        <translation>%1 enthält Dinge, die Clearwind nicht anzeigen kann:%2

Wenn du deinen Text speicherst, fehlen sie in der Datei. Trotzdem speichern? Die alte Datei bleibt daneben als %3 erhalten.</translation>
    </message>
</context>
<context>
    <name>PlanEdit</name>
    <message>
        <source>When %1, I will</source>
        <translation>%1 – dann werde ich</translation>
    </message>
    <message>
        <source>Use this</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Vorschlag: %1</translation>
    </message>
    <message>
        <source>Use the suggestion for %1</source>
        <translation>Den Vorschlag für „%1“ übernehmen</translation>
    </message>
    <message>
        <source>Next time %1 comes, I will</source>
        <translation>Nächstes Mal: %1 – dann werde ich</translation>
    </message>
</context>
<context>
    <name>PlansDialog</name>
    <message>
        <source>My plans</source>
        <translation>Meine Pläne</translation>
    </message>
    <message>
        <source>A plan for each thing that sets off a craving: what you will do instead when it comes. One line each; leave a line empty for no plan.</source>
        <translation>Ein Plan für jeden Auslöser von Rauchverlangen: was du stattdessen tust, wenn es so weit ist. Je eine Zeile; lass eine Zeile leer, wenn du dafür keinen Plan willst.</translation>
    </message>
    <message>
        <source>Your plans could not be read from %1: %2. The file is left as it is, and nothing here can be saved until it can be read.</source>
        <translation>Deine Pläne konnten nicht aus %1 gelesen werden: %2. Die Datei bleibt, wie sie ist, und hier lässt sich nichts speichern, bis sie gelesen werden kann.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of your plans could not be read. They are kept in the file as they are.</source>
        <translation>
            <numerusform>%n Zeile deiner Pläne konnte nicht gelesen werden. Sie bleibt unverändert in der Datei.</numerusform>
            <numerusform>%n Zeilen deiner Pläne konnten nicht gelesen werden. Sie bleiben unverändert in der Datei.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Your plans could not be saved in %1: %2</source>
        <translation>Deine Pläne konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>PlatformTexts</name>
    <message>
        <source>The pages could not be laid out.</source>
        <translation>Das Seitenlayout konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Error printing</source>
        <translation>Fehler beim Drucken</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchtest du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Es gibt keinen Standarddrucker.</translation>
    </message>
    <message>
        <source>The printer %1 cannot be reached.</source>
        <translation>Der Drucker %1 ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>it is a link to %1, outside the folder of your files</source>
        <translation>die Datei ist ein Link auf %1, außerhalb des Ordners mit deinen Dateien</translation>
    </message>
    <message>
        <source>%1 is a link to %2, outside the folder of your files</source>
        <translation>%1 ist ein Link auf %2, außerhalb des Ordners mit deinen Dateien</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it ended after %1 of its %2 bytes</source>
        <translation>die Datei endete nach %1 von %2 Bytes</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a file but a pipe or a device</source>
        <translation>das ist keine Datei, sondern eine Pipe oder ein Gerät</translation>
    </message>
    <message>
        <source>its folder %1 could not be created</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened for writing: %2</source>
        <translation>Der Ordner %1 kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The entry %1 could not be removed: %2</source>
        <translation>Der Eintrag %1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>The entry %1 could not be written: %2</source>
        <translation>Der Eintrag %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ProfessorTab</name>
    <message>
        <source>Hello. I am your professor. I can teach you a lot of things about smoking.</source>
        <translation>Hallo. Ich bin dein Professor. Ich kann dir viel über das Rauchen beibringen.</translation>
    </message>
    <message>
        <source>Next....</source>
        <translation>Weiter....</translation>
    </message>
    <message>
        <source>Next...</source>
        <translation>Weiter...</translation>
    </message>
    <message>
        <source>What health problems does smoking cause?</source>
        <translation>Welche Gesundheitsprobleme verursacht Rauchen?</translation>
    </message>
    <message>
        <source>Smoking causes a lot of healthproblems. Click on &apos;Next&apos; to see other healthproblems smoking can cause.</source>
        <translation>Rauchen verursacht viele Gesundheitsprobleme. Klicke auf „Weiter“, um weitere zu sehen.</translation>
    </message>
    <message>
        <source>What does smoking do to my appearance?</source>
        <translation>Was macht Rauchen mit meinem Aussehen?</translation>
    </message>
    <message>
        <source>When you smoke , you change your appearance. Click on &apos;Next&apos; to see what else smoking does to your appearance.</source>
        <translation>Rauchen verändert dein Aussehen. Klicke auf „Weiter“, um zu sehen, was es sonst noch mit deinem Aussehen macht.</translation>
    </message>
    <message>
        <source>Why do people smoke?</source>
        <translation>Warum rauchen Menschen?</translation>
    </message>
    <message>
        <source>Why people smoke?</source>
        <translation>Warum rauchen Menschen eigentlich?</translation>
    </message>
    <message>
        <source>Do you have stop-tips?</source>
        <translation>Hast du Tipps zum Aufhören?</translation>
    </message>
    <message>
        <source>Here are some good tips for people who want to stop smoking.</source>
        <translation>Hier sind ein paar gute Tipps für alle, die mit dem Rauchen aufhören wollen.</translation>
    </message>
    <message>
        <source>Professor</source>
        <translation>Professor</translation>
    </message>
    <message>
        <source>Professor says</source>
        <translation>Der Professor sagt</translation>
    </message>
    <message>
        <source>Facts about smoking</source>
        <translation>Fakten zum Rauchen</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>What else would like like to know about smoking?</source>
        <translation>Was möchtest du noch über das Rauchen wissen?</translation>
    </message>
</context>
<context>
    <name>ProfileTexts</name>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the copy does not hold what was written</source>
        <translation>die Kopie enthält nicht, was geschrieben wurde</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>You did not enter your name. Please enter your name, or at least 1 letter</source>
        <translation>Du hast deinen Namen nicht eingegeben. Bitte gib deinen Namen ein, oder wenigstens 1 Buchstaben</translation>
    </message>
    <message>
        <source>You did not enter how many cigarettes you some in a day</source>
        <translation>Du hast nicht eingegeben, wie viele Zigaretten du am Tag rauchst</translation>
    </message>
    <message>
        <source>You did not enter your currency.</source>
        <translation>Du hast deine Währung nicht eingegeben.</translation>
    </message>
    <message>
        <source>Please enter how much money you spend on cigarettes each day</source>
        <translation>Bitte gib ein, wie viel Geld du täglich für Zigaretten ausgibst</translation>
    </message>
    <message>
        <source>Please enter numbers only!</source>
        <translation>Bitte gib nur Zahlen ein!</translation>
    </message>
    <message>
        <source>You did not enter for how many years you have smoked.</source>
        <translation>Du hast nicht eingegeben, seit wie vielen Jahren du rauchst.</translation>
    </message>
    <message>
        <source>Hi </source>
        <translation>Hallo </translation>
    </message>
    <message>
        <source>On average you are smoking </source>
        <translation>Du rauchst durchschnittlich </translation>
    </message>
    <message>
        <source> cigarettes a day.</source>
        <translation> Zigaretten am Tag.</translation>
    </message>
    <message>
        <source>You waste </source>
        <translation>Du verschwendest </translation>
    </message>
    <message>
        <source> in a day on cigarettes.</source>
        <translation> am Tag für Zigaretten.</translation>
    </message>
    <message>
        <source>You have smoked for </source>
        <translation>Du rauchst seit </translation>
    </message>
    <message>
        <source> years.</source>
        <translation> Jahren.</translation>
    </message>
    <message>
        <source>Is this information correct?</source>
        <translation>Stimmen diese Angaben?</translation>
    </message>
</context>
<context>
    <name>ProgressTexts</name>
    <message>
        <source>There have been %1 smoking related deaths since you stopped smoking.</source>
        <translation>Seit deinem Rauchstopp sind %1 Menschen an den Folgen des Rauchens gestorben.</translation>
    </message>
    <message>
        <source>Stopdata for : </source>
        <translation>Rauchstopp-Daten für: </translation>
    </message>
    <message>
        <source>You have not smoked for :</source>
        <translation>Du rauchst nicht mehr seit </translation>
    </message>
    <message>
        <source> days and </source>
        <translation> Tagen und </translation>
    </message>
    <message>
        <source> hours.</source>
        <translation> Stunden.</translation>
    </message>
    <message>
        <source>You have NOT smoked %1 cigarettes.</source>
        <translation>Du hast %1 Zigaretten NICHT geraucht.</translation>
    </message>
    <message>
        <source>You have NOT wasted %1 minutes on smoking.</source>
        <translation>Du hast %1 Minuten NICHT mit Rauchen verschwendet.</translation>
    </message>
    <message>
        <source>You saved %1 %2.</source>
        <translation>Du hast %1 %2 gespart.</translation>
    </message>
    <message>
        <source>You have extended your life by %1 minutes.</source>
        <translation>Du hast dein Leben um %1 Minuten verlängert.</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>Smoke-free for %1 and %2</source>
        <translation>Schon %1 und %2 rauchfrei</translation>
    </message>
    <message>
        <source>You have earned a new star!</source>
        <translation>Du hast einen neuen Stern verdient!</translation>
    </message>
</context>
<context>
    <name>QuestionnairePanel</name>
    <message>
        <source>Welcome. Before we start , I need some information about you and your smoking habbits.</source>
        <translation>Willkommen. Bevor wir anfangen, brauche ich ein paar Angaben zu dir und deinen Rauchgewohnheiten.</translation>
    </message>
    <message>
        <source>What is your name ?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source>How many cigarettes do you smoke in 1 day?</source>
        <translation>Wie viele Zigaretten rauchst du am Tag?</translation>
    </message>
    <message>
        <source>What is the name of your local currency ?</source>
        <translation>Wie heißt deine Währung?</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>euro</source>
        <translation>Euro</translation>
    </message>
    <message>
        <source>pound</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>How much do you spend on smoking in a day ?</source>
        <translation>Wie viel gibst du am Tag fürs Rauchen aus?</translation>
    </message>
    <message>
        <source>For how many years have you smoked ?</source>
        <translation>Seit wie vielen Jahren rauchst du?</translation>
    </message>
    <message>
        <source>Writing pad</source>
        <translation>Schreibblock</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>No, go back</source>
        <translation>Nein, zurück</translation>
    </message>
    <message>
        <source>Yes, continue</source>
        <translation>Ja, weiter</translation>
    </message>
    <message>
        <source>Your answers could not be saved in %1: %2</source>
        <translation>Deine Antworten konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Your earlier profile in %1 could not be read: %2. Replace it with these answers?</source>
        <translation>Dein bisheriges Profil in %1 konnte nicht gelesen werden: %2. Soll es durch diese Antworten ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>RecordsTexts</name>
    <message>
        <source>it is not a file of preferences</source>
        <translation>das ist keine Datei mit Einstellungen</translation>
    </message>
    <message>
        <source>it is larger than 64 KB, too large to be a file of preferences</source>
        <translation>die Datei ist größer als 64 KB und damit zu groß für eine Datei mit Einstellungen</translation>
    </message>
    <message>
        <source>an unreadable date</source>
        <translation>(Datum unlesbar)</translation>
    </message>
    <message>
        <source>an unreadable time</source>
        <translation>(Uhrzeit unlesbar)</translation>
    </message>
    <message>
        <source>You stopped smoking on </source>
        <translation>Dein Rauchstopp: </translation>
    </message>
    <message>
        <source> at </source>
        <translation> um </translation>
    </message>
    <message>
        <source>it is a file, not a folder.</source>
        <translation>das ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>it cannot be created.</source>
        <translation>der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>it belongs to another user.</source>
        <translation>der Ordner gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>These could not be copied from %1: %2.</source>
        <translation>Diese Dateien konnten nicht aus %1 kopiert werden: %2.</translation>
    </message>
    <message>
        <source>Not every file of the earlier installation in %1 could be copied to %2. The earlier copies stay where they were.</source>
        <translation>Nicht alle Dateien der früheren Installation in %1 konnten nach %2 kopiert werden. Die früheren Kopien bleiben, wo sie waren.</translation>
    </message>
    <message>
        <source>Your files from the earlier installation in %1 were copied to %2. The earlier copies stay where they were.</source>
        <translation>Deine Dateien aus der früheren Installation in %1 wurden nach %2 kopiert. Die früheren Kopien bleiben, wo sie waren.</translation>
    </message>
    <message>
        <source>Clearwind cannot keep your files in %1. It runs, but nothing you enter will be saved.</source>
        <translation>Clearwind kann deine Dateien nicht in %1 speichern. Das Programm läuft, aber nichts, was du eingibst, wird gespeichert.</translation>
    </message>
</context>
<context>
    <name>RelapsePanel</name>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>Have you smoked ?</source>
        <translation>Hast du geraucht?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Sad face</source>
        <translation>Trauriges Gesicht</translation>
    </message>
    <message>
        <source>I am sorry to hear you failed... Try again! With the experience you gained, your next attempt should be more succesful!</source>
        <translation>Schade, dass es nicht geklappt hat... Versuch es noch einmal! Mit deiner neuen Erfahrung sollte dein nächster Versuch erfolgreicher sein!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes, reset it now.</source>
        <translation>Ja, jetzt zurücksetzen.</translation>
    </message>
    <message>
        <source>No, continue.</source>
        <translation>Nein, weitermachen.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Your previous attempt could not be kept: %1
Do you want to reset Clearwind anyway?</source>
        <translation>Dein bisheriger Versuch konnte nicht aufbewahrt werden: %1
Möchtest du Clearwind trotzdem zurücksetzen?</translation>
    </message>
    <message>
        <source>If you have smoked , you can reset Clearwind and try again.</source>
        <translation>Wenn du geraucht hast, kannst du Clearwind zurücksetzen und es noch einmal versuchen.</translation>
    </message>
    <message>
        <source>The program has been reset. Please try again to stop smoking when you are ready. The more you try , the better chances you have of actually stopping!</source>
        <translation>Das Programm wurde zurückgesetzt. Versuch es wieder, sobald du bereit bist. Je öfter du es versuchst, desto besser sind deine Chancen, wirklich aufzuhören!</translation>
    </message>
    <message>
        <source>The file is still there.</source>
        <translation>Die Datei ist noch da.</translation>
    </message>
    <message>
        <source>The reset could not be completed: %1 could not be removed. %2</source>
        <translation>Das Zurücksetzen konnte nicht abgeschlossen werden: %1 konnte nicht entfernt werden. %2</translation>
    </message>
</context>
<context>
    <name>RideItOutWindow</name>
    <message>
        <source>Smoke-free for %1.</source>
        <translation>Schon %1 rauchfrei.</translation>
    </message>
    <message>
        <source>Ride it out</source>
        <translation>Durchhalten</translation>
    </message>
    <message>
        <source>It passed</source>
        <translation>Überstanden</translation>
    </message>
    <message>
        <source>I smoked</source>
        <translation>Ich habe geraucht</translation>
    </message>
    <message>
        <source>Time left, in minutes and seconds</source>
        <translation>Verbleibende Zeit in Minuten und Sekunden</translation>
    </message>
    <message>
        <source>Cravings rise, peak and pass, most within five minutes.</source>
        <translation>Rauchverlangen steigt an, erreicht einen Höhepunkt und vergeht, meist innerhalb von fünf Minuten.</translation>
    </message>
    <message>
        <source>Still there? Keep going, or log it.</source>
        <translation>Noch da? Halte weiter durch oder notiere es.</translation>
    </message>
    <message>
        <source>Why you are doing this</source>
        <translation>Warum du das tust</translation>
    </message>
    <message>
        <source>What set it &amp;off?</source>
        <translation>Was war der &amp;Auslöser?</translation>
    </message>
    <message>
        <source>What set it off?</source>
        <translation>Was war der Auslöser?</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Change my plan</source>
        <translation>Plan ändern</translation>
    </message>
    <message>
        <source>Save plan</source>
        <translation>Plan speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Talk to someone</source>
        <translation>Mit jemandem sprechen</translation>
    </message>
    <message>
        <source>Opens the help page at the quitlines for your country</source>
        <translation>Öffnet die Hilfeseite bei der telefonischen Rauchstopp-Beratung in deinem Land</translation>
    </message>
    <message>
        <source>What did you do?</source>
        <translation>Was hast du gemacht?</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>Reading your plans...</source>
        <translation>Deine Pläne werden gelesen...</translation>
    </message>
    <message>
        <source>Your plans could not be read from %1: %2.</source>
        <translation>Deine Pläne konnten nicht aus %1 gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Your plan: %1</source>
        <translation>Dein Plan: %1</translation>
    </message>
    <message>
        <source>No plan for %1 yet.</source>
        <translation>Noch kein Plan für „%1“.</translation>
    </message>
    <message>
        <source>No plan for %1 yet. A suggestion: %2</source>
        <translation>Noch kein Plan für „%1“. Ein Vorschlag: %2</translation>
    </message>
    <message>
        <source>Your plan could not be saved in %1: %2</source>
        <translation>Dein Plan konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Log this craving before you go?</source>
        <translation>Dieses Rauchverlangen notieren, bevor du gehst?</translation>
    </message>
    <message>
        <source>Yes, it passed</source>
        <translation>Ja, überstanden</translation>
    </message>
    <message>
        <source>No, don&apos;t log it</source>
        <translation>Nein, nicht notieren</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Mechanic</source>
        <translation>Mechaniker</translation>
    </message>
    <message>
        <source>Mechanic says</source>
        <translation>Der Mechaniker sagt</translation>
    </message>
    <message>
        <source>Hi. Here you can change the program settings.</source>
        <translation>Hallo. Hier kannst du die Einstellungen des Programms ändern.</translation>
    </message>
    <message>
        <source>Protect Clearwind with a password </source>
        <translation>Clearwind mit einem Passwort schützen </translation>
    </message>
    <message>
        <source>Auto-run Clearwind when windows starts</source>
        <translation>Clearwind beim Anmelden automatisch starten</translation>
    </message>
    <message>
        <source>Specify password :</source>
        <translation>Passwort festlegen:</translation>
    </message>
    <message>
        <source>export stopdata</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Clearwind web page</source>
        <translation>Clearwind-Webseite</translation>
    </message>
    <message>
        <source>Version 1.2 2026 www.clearwind.example</source>
        <translation>Version 1.2 2026 www.clearwind.example</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Werkzeugkasten</translation>
    </message>
    <message>
        <source>save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>&quot;noword&quot; cannot be a password, because Clearwind reads it as no password at all. Please choose another password.</source>
        <translation>„noword“ kann kein Passwort sein, weil Clearwind es als „kein Passwort“ liest. Bitte wähle ein anderes Passwort.</translation>
    </message>
    <message>
        <source>Starting Clearwind at logon could not be changed. %1</source>
        <translation>Der automatische Start von Clearwind beim Anmelden konnte nicht geändert werden. %1</translation>
    </message>
    <message>
        <source>Enter a password, or at least 1 character</source>
        <translation>Gib ein Passwort ein, mindestens 1 Zeichen</translation>
    </message>
    <message>
        <source>Clearwind will start at logon, but the settings could not be saved in %1: %2</source>
        <translation>Clearwind startet beim Anmelden, aber die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Clearwind will not start at logon, but the settings could not be saved in %1: %2</source>
        <translation>Clearwind startet nicht beim Anmelden, aber die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The settings are not saved.</source>
        <translation>Die Einstellungen sind nicht gespeichert.</translation>
    </message>
    <message>
        <source>Settings are saved.</source>
        <translation>Die Einstellungen sind gespeichert.</translation>
    </message>
    <message>
        <source>Settings are saved. Don&apos;t forget your password!!!</source>
        <translation>Die Einstellungen sind gespeichert. Vergiss dein Passwort nicht!!!</translation>
    </message>
    <message>
        <source>The password lock could not be read from %1: %2. Clearwind starts without it, and leaves the file as it is until you save the settings.</source>
        <translation>Die Passwortsperre konnte nicht aus %1 gelesen werden: %2. Clearwind startet ohne sie und lässt die Datei, wie sie ist, bis du die Einstellungen speicherst.</translation>
    </message>
</context>
<context>
    <name>SlipDialog</name>
    <message>
        <source>After a cigarette</source>
        <translation>Nach einer Zigarette</translation>
    </message>
    <message>
        <source>A slip</source>
        <translation>Ein Ausrutscher</translation>
    </message>
    <message>
        <source>I&apos;m smoking again</source>
        <translation>Ich rauche wieder</translation>
    </message>
    <message>
        <source>Was it a slip, or are you smoking again?</source>
        <translation>War es ein Ausrutscher, oder rauchst du wieder?</translation>
    </message>
    <message>
        <source>&amp;Where were you?</source>
        <translation>&amp;Wo warst du?</translation>
    </message>
    <message>
        <source>Who were you &amp;with?</source>
        <translation>&amp;Mit wem warst du zusammen?</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>A slip is not a relapse: your counter keeps running. Two short questions, both optional, to see what to plan for.</source>
        <translation>Ein Ausrutscher ist kein Rückfall: Dein Zähler läuft weiter. Zwei kurze Fragen, beide freiwillig, damit du siehst, wofür du planen kannst.</translation>
    </message>
    <message>
        <source>Make it my plan</source>
        <translation>Zu meinem Plan machen</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Jetzt nicht</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>From now on, not a single puff: not even one. If you use nicotine replacement, keep using it; it helps you through the next cravings.</source>
        <translation>Ab jetzt keinen einzigen Zug mehr, wirklich keinen. Wenn du Nikotinersatz verwendest, bleib dabei; er hilft dir durch die nächsten Rauchverlangen.</translation>
    </message>
    <message>
        <source>Start a new attempt...</source>
        <translation>Neuen Versuch beginnen...</translation>
    </message>
    <message>
        <source>Every attempt you made stays on your journey, and your longest run still counts.</source>
        <translation>Jeder deiner Versuche bleibt in deinem Verlauf, und deine längste rauchfreie Zeit zählt weiterhin.</translation>
    </message>
    <message>
        <source>Your plan could not be saved in %1: %2</source>
        <translation>Dein Plan konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>StartPanel</name>
    <message>
        <source>Are you ready to stop smoking right now?</source>
        <translation>Bist du bereit, jetzt sofort mit dem Rauchen aufzuhören?</translation>
    </message>
    <message>
        <source>If you click &apos;no&apos; , you can come back any time when you are ready to stop. If you click &apos;yes&apos;, the current time and date will be logged as your stop-date! Make sure your computer date and time is correct!</source>
        <translation>Wenn du auf „Nein“ klickst, kannst du jederzeit wiederkommen, sobald du bereit bist. Wenn du auf „Ja“ klickst, werden das aktuelle Datum und die Uhrzeit als dein Rauchstopp gespeichert! Achte darauf, dass Datum und Uhrzeit deines Computers stimmen!</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Yes, I want to stop NOW</source>
        <translation>Ja, ich höre JETZT auf</translation>
    </message>
    <message>
        <source>No, I come back later...</source>
        <translation>Nein, ich komme später wieder...</translation>
    </message>
    <message>
        <source>I already stopped</source>
        <translation>Ich habe schon aufgehört</translation>
    </message>
    <message>
        <source>Computer date and time: </source>
        <translation>Datum und Uhrzeit des Computers: </translation>
    </message>
    <message>
        <source>Your stop moment could not be saved in %1: %2</source>
        <translation>Dein Rauchstopp konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Ok. Come back when you are ready to quit.</source>
        <translation>Okay. Komm wieder, wenn du bereit bist aufzuhören.</translation>
    </message>
    <message>
        <source>Good, you already stopped. Just set your computer date back to the day you stopped, then click &apos;yes&apos;, then set your computer date back to the current date.</source>
        <translation>Gut, du hast schon aufgehört. Stell das Datum deines Computers auf den Tag deines Rauchstopps zurück, klicke auf „Ja“ und stell das Datum danach wieder auf heute.</translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>Show Clearwind</source>
        <translation>Clearwind anzeigen</translation>
    </message>
    <message>
        <source>Log a craving...</source>
        <translation>Rauchverlangen notieren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Craving now...</source>
        <translation>Rauchverlangen jetzt...</translation>
    </message>
</context>
<context>
    <name>TopicPanel</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>UserFileKeeper</name>
    <message>
        <source>the program is closing</source>
        <translation>das Programm wird gerade beendet</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <source>Could not find associated Browser</source>
        <translation>Es wurde kein passender Browser gefunden</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Browser nicht gefunden</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Die Webseite wurde nicht geöffnet</translation>
    </message>
    <message>
        <source>URL Failed</source>
        <translation>Adresse nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>journey</name>
    <message>
        <source>%1 could not be loaded: %2</source>
        <translation>%1 konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>%1 does not draw the journey&apos;s charts.</source>
        <translation>%1 zeichnet die Diagramme des Verlaufs nicht.</translation>
    </message>
    <message>
        <source>it is larger than 64 MB, too large to be a file of cravings</source>
        <translation>die Datei ist größer als 64 MB und damit zu groß für eine Datei mit Rauchverlangen</translation>
    </message>
    <message>
        <source>it is a folder, not a file of cravings</source>
        <translation>das ist ein Ordner, keine Datei mit Rauchverlangen</translation>
    </message>
    <message>
        <source>it is not a file of cravings</source>
        <translation>das ist keine Datei mit Rauchverlangen</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Stress</translation>
    </message>
    <message>
        <source>After a meal</source>
        <translation>Nach dem Essen</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Kaffee</translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation>Alkohol</translation>
    </message>
    <message>
        <source>Other smokers</source>
        <translation>Andere Raucher</translation>
    </message>
    <message>
        <source>Boredom</source>
        <translation>Langeweile</translation>
    </message>
    <message>
        <source>Waking up</source>
        <translation>Aufwachen</translation>
    </message>
    <message>
        <source>Driving</source>
        <translation>Autofahren</translation>
    </message>
    <message>
        <source>Phone or screen</source>
        <translation>Handy oder Bildschirm</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Not said</source>
        <translation>Keine Angabe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Your cravings could not be read.</source>
        <translation>Deine notierten Rauchverlangen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Attempt %1</source>
        <translation>Versuch %1</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>unlesbar: %1</translation>
    </message>
    <message>
        <source>Attempt %1, the current one, since %2</source>
        <translation>Versuch %1, der aktuelle, seit %2</translation>
    </message>
    <message>
        <source>Attempt %1, %2 to %3</source>
        <translation>Versuch %1, %2 bis %3</translation>
    </message>
    <message>
        <source>%1, the longest</source>
        <translation>%1, der längste</translation>
    </message>
    <message>
        <source>Every attempt, in days</source>
        <translation>Alle Versuche, in Tagen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Earlier attempts</source>
        <translation>Frühere Versuche</translation>
    </message>
    <message>
        <source>This attempt</source>
        <translation>Dieser Versuch</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Unlesbar</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message numerus="yes">
        <source>Longest: %n day(s)</source>
        <translation>
            <numerusform>Längster: %n Tag</numerusform>
            <numerusform>Längster: %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Versuch</translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation>Unlesbar: %1</translation>
    </message>
    <message>
        <source>No attempts yet.</source>
        <translation>Noch keine Versuche.</translation>
    </message>
    <message numerus="yes">
        <source>Cravings per day, the last %n day(s)</source>
        <translation>
            <numerusform>Rauchverlangen pro Tag, letzter %n Tag</numerusform>
            <numerusform>Rauchverlangen pro Tag, letzte %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Cravings</source>
        <translation>Rauchverlangen</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Überstanden</translation>
    </message>
    <message>
        <source>Smoked</source>
        <translation>Geraucht</translation>
    </message>
    <message>
        <source>Mean strength</source>
        <translation>Mittlere Stärke</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>%1, %2 passed, mean strength %3</source>
        <translation>%1, %2 überstanden, mittlere Stärke %3</translation>
    </message>
    <message numerus="yes">
        <source>%n craving(s)</source>
        <translation>
            <numerusform>%n Rauchverlangen</numerusform>
            <numerusform>%n Rauchverlangen</numerusform>
        </translation>
    </message>
    <message>
        <source>No cravings logged in the last %1 days.</source>
        <translation>In den letzten %1 Tagen kein Rauchverlangen notiert.</translation>
    </message>
    <message>
        <source>What set them off, every craving logged</source>
        <translation>Auslöser aller notierten Rauchverlangen</translation>
    </message>
    <message>
        <source>No cravings logged yet.</source>
        <translation>Noch kein Rauchverlangen notiert.</translation>
    </message>
    <message numerus="yes">
        <source>Attempts so far: %n</source>
        <translation>
            <numerusform>Versuche bisher: %n</numerusform>
            <numerusform>Versuche bisher: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Longest smoke-free run: %1</source>
        <translation>Längste rauchfreie Zeit: %1</translation>
    </message>
    <message>
        <source>This attempt: %1</source>
        <translation>Dieser Versuch: %1</translation>
    </message>
    <message>
        <source>This is your longest run yet.</source>
        <translation>Das ist deine bisher längste rauchfreie Zeit.</translation>
    </message>
    <message>
        <source>%1 to beat your longest run.</source>
        <translation>Noch %1 bis zu deiner längsten rauchfreien Zeit.</translation>
    </message>
    <message numerus="yes">
        <source>Cravings logged in the last %1 days: %n. %2% passed without a cigarette.</source>
        <translation>
            <numerusform>Notierte Rauchverlangen in den letzten %1 Tagen: %n. %2 % davon ohne Zigarette überstanden.</numerusform>
            <numerusform>Notierte Rauchverlangen in den letzten %1 Tagen: %n. %2 % davon ohne Zigarette überstanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>A few minutes of exercise</source>
        <translation>Ein paar Minuten Bewegung</translation>
    </message>
    <message>
        <source>A short walk</source>
        <translation>Ein kurzer Spaziergang</translation>
    </message>
    <message>
        <source>Slow breathing</source>
        <translation>Langsam atmen</translation>
    </message>
    <message>
        <source>A glass of water</source>
        <translation>Ein Glas Wasser</translation>
    </message>
    <message>
        <source>Left the place</source>
        <translation>Den Ort verlassen</translation>
    </message>
    <message>
        <source>Talked to someone</source>
        <translation>Mit jemandem gesprochen</translation>
    </message>
    <message>
        <source>Nicotine replacement</source>
        <translation>Nikotinersatz</translation>
    </message>
    <message>
        <source>Kept my hands busy</source>
        <translation>Die Hände beschäftigt</translation>
    </message>
    <message>
        <source>Something else</source>
        <translation>Etwas anderes</translation>
    </message>
    <message>
        <source>it has no valid time, strength, trigger or outcome</source>
        <translation>der Eintrag hat keine gültige Angabe zu Zeit, Stärke, Auslöser oder Ausgang</translation>
    </message>
    <message>
        <source>it is full, and could not be kept as %1: %2</source>
        <translation>die Datei ist voll und konnte nicht als %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>it is full, and the new file could not take its place: %1</source>
        <translation>die Datei ist voll, und die neue Datei konnte nicht an ihre Stelle treten: %1</translation>
    </message>
    <message>
        <source>it is full and is kept as %1, but the new file that holds the craving, %2, could not take its place: %3</source>
        <translation>die Datei ist voll und wird als %1 aufbewahrt, aber die neue Datei mit dem Eintrag, %2, konnte nicht an ihre Stelle treten: %3</translation>
    </message>
    <message>
        <source>the new file %1, which a full file left, could not take its place: %2</source>
        <translation>die neue Datei %1, die eine volle Datei hinterlassen hat, konnte nicht an ihre Stelle treten: %2</translation>
    </message>
    <message>
        <source>%1:00</source>
        <translation>%1:00</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>When cravings come</source>
        <translation>Wann das Rauchverlangen kommt</translation>
    </message>
    <message numerus="yes">
        <source>Hour of the day, the last %n day(s)</source>
        <translation>
            <numerusform>Uhrzeit, letzter %n Tag</numerusform>
            <numerusform>Uhrzeit, letzte %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>What helped most: %1, %2 of %3 passed.</source>
        <translation>Am meisten geholfen hat: %1, %2 von %3 überstanden.</translation>
    </message>
    <message>
        <source>Tick what you did when you log a craving, and Clearwind will show what helps you most.</source>
        <translation>Wenn du beim Notieren eines Rauchverlangens ankreuzt, was du getan hast, zeigt dir Clearwind, was dir am meisten hilft.</translation>
    </message>
    <message numerus="yes">
        <source>Half of your cravings were over within %n minute(s).</source>
        <translation>
            <numerusform>Die Hälfte deiner Rauchverlangen war innerhalb von %n Minute vorbei.</numerusform>
            <numerusform>Die Hälfte deiner Rauchverlangen war innerhalb von %n Minuten vorbei.</numerusform>
        </translation>
    </message>
    <message>
        <source>Most cravings come between %1 and %2.</source>
        <translation>Am häufigsten kommt das Rauchverlangen zwischen %1 und %2 Uhr.</translation>
    </message>
    <message numerus="yes">
        <source>Slips in this attempt: %n</source>
        <translation>
            <numerusform>Ausrutscher in diesem Versuch: %n</numerusform>
            <numerusform>Ausrutscher in diesem Versuch: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>take ten slow breaths, each out-breath a little longer, and let my shoulders drop.</source>
        <translation>zehnmal langsam atmen, jedes Ausatmen etwas länger, und die Schultern sinken lassen.</translation>
    </message>
    <message>
        <source>get up from the table straight away and brush my teeth or take a short walk.</source>
        <translation>sofort vom Tisch aufstehen und mir die Zähne putzen oder kurz spazieren gehen.</translation>
    </message>
    <message>
        <source>drink my coffee somewhere I never smoked, with a glass of water first.</source>
        <translation>erst ein Glas Wasser und dann meinen Kaffee dort trinken, wo ich nie geraucht habe.</translation>
    </message>
    <message>
        <source>keep a drink in my hand, stay close to friends who do not smoke, and drink less.</source>
        <translation>immer ein Getränk in der Hand halten, bei Freunden bleiben, die nicht rauchen, und weniger trinken.</translation>
    </message>
    <message>
        <source>say &quot;No thanks, I don&apos;t smoke&quot; and spend my break with someone who does not smoke.</source>
        <translation>„Nein danke, ich rauche nicht“ sagen und meine Pause mit jemandem verbringen, der nicht raucht.</translation>
    </message>
    <message>
        <source>pick one thing from my list of things to do for five minutes, like a puzzle or a short walk.</source>
        <translation>fünf Minuten lang etwas von meiner Liste machen, etwa ein Rätsel oder einen kurzen Spaziergang.</translation>
    </message>
    <message>
        <source>drink a glass of water or fruit juice first thing and change my morning routine.</source>
        <translation>als Erstes ein Glas Wasser oder Saft trinken und meine Morgenroutine ändern.</translation>
    </message>
    <message>
        <source>put on music I like and keep sugar-free gum within reach.</source>
        <translation>Musik anmachen, die ich mag, und zuckerfreien Kaugummi griffbereit haben.</translation>
    </message>
    <message>
        <source>keep a pen and paper at hand to doodle, or message someone who supports me.</source>
        <translation>Stift und Papier zum Kritzeln bereithalten oder jemandem schreiben, der mich unterstützt.</translation>
    </message>
    <message>
        <source>wait ten minutes, drink a glass of water and do something else until the urge passes.</source>
        <translation>zehn Minuten warten, ein Glas Wasser trinken und etwas anderes tun, bis das Verlangen vorbei ist.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB, too large to be a file of plans</source>
        <translation>die Datei ist größer als 1 MB und damit zu groß für eine Datei mit Plänen</translation>
    </message>
    <message>
        <source>a craving without a trigger has no plan</source>
        <translation>ein Rauchverlangen ohne Auslöser hat keinen Plan</translation>
    </message>
    <message>
        <source>it is a folder, not a file of plans</source>
        <translation>das ist ein Ordner, keine Datei mit Plänen</translation>
    </message>
    <message>
        <source>it is not a file of plans</source>
        <translation>das ist keine Datei mit Plänen</translation>
    </message>
    <message>
        <source>%1, %2 of %3 passed</source>
        <translation>%1, %2 von %3 überstanden</translation>
    </message>
    <message>
        <source>Before, against %1: %2.</source>
        <translation>Bisher gegen „%1“: %2.</translation>
    </message>
    <message>
        <source>The craving could not be saved in %1: %2</source>
        <translation>Das Rauchverlangen konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Your cravings file was full, so this craving starts a new one. The full file is kept beside it as %1, and the journey reads both.</source>
        <translation>Deine Datei mit Rauchverlangen war voll, daher beginnt mit diesem Eintrag eine neue. Die volle Datei bleibt daneben als %1 erhalten, und der Verlauf liest beide.</translation>
    </message>
    <message>
        <source>Enter your personal reason not to smoke here.</source>
        <translation>Schreib hier auf, warum du nicht mehr rauchen willst.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Counts your smoke-free time and shows what it brings.</source>
        <translation>Zählt deine rauchfreie Zeit und zeigt, was sie dir bringt.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Opens the dialog to log a craving, in the copy already running if there is one.</source>
        <translation>Öffnet den Dialog „Rauchverlangen notieren“ – im schon laufenden Clearwind, falls vorhanden.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE for this run: %1.</source>
        <translation>Spricht bei diesem Start SPRACHE: %1.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>SPRACHE</translation>
    </message>
    <message>
        <source>Clearwind does not speak &quot;%1&quot;.</source>
        <translation>Clearwind spricht kein „%1“.</translation>
    </message>
    <message>
        <source>Opens the window that helps you ride out a craving, in the copy already running if there is one.</source>
        <translation>Öffnet das Fenster „Durchhalten“, das dir hilft, ein Rauchverlangen durchzustehen – im schon laufenden Clearwind, falls vorhanden.</translation>
    </message>
    <message>
        <source>Shows the look THEME for this run: %1. The default, system, follows the desktop.</source>
        <translation>Zeigt bei diesem Start die Ansicht ANSICHT: %1. Die Vorgabe, system, folgt dem Desktop.</translation>
    </message>
    <message>
        <source>THEME</source>
        <translation>ANSICHT</translation>
    </message>
    <message>
        <source>Clearwind has no look &quot;%1&quot;; it has %2.</source>
        <translation>Clearwind hat keine Ansicht „%1“; es hat %2.</translation>
    </message>
</context>
</TS>
